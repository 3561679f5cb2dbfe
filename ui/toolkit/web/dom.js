// The browser side of the web backend: the program's controls as DOM elements, numbered. DOM
// listeners only queue events; the program pulls them (gw_next_event) and sleeps in gw_wait.
mergeInto(LibraryManager.library, {
  $GW__postset: 'GW.init();',
  $GW__deps: ['$GWKeys'],
  $GW: {
    els: [null], queue: [], wake: null, stack: [], boxes: 0,
    init: function () {
      document.addEventListener('keydown', function (e) { GWKeys.key(e); }, true);
    },
    add: function (el) { GW.els.push(el); el.gwId = GW.els.length - 1; return el.gwId; },
    push: function (ev) {
      GW.queue.push(ev);
      if (GW.wake) GW.wake();
    },
    // The form a control lies on, and whether input may reach it now (no modal above it).
    formOf: function (el) { return el && el.closest('.gw-form'); },
    top: function () { return GW.stack.length ? GW.stack[GW.stack.length - 1] : GW.main; },
    reachable: function (el) { return !el || !GW.stack.length || GW.top().contains(el); },
    announce: function (el, text) {
      var top = GW.stack.length ? GW.top() : el;
      var region = top.querySelector(':scope > .gw-live') || top.querySelector('.gw-live');
      if (!region) return;
      region.textContent = '';
      setTimeout(function () { region.textContent = text; }, 50);
    },
    make: function (tag, cls, parent) {
      var el = document.createElement(tag);
      el.className = 'gw-control ' + cls;
      if (parent) (parent.gwClient || parent).appendChild(el);
      return el;
    },
    live: function (parent) {
      var live = document.createElement('div');
      live.className = 'gw-live';
      live.setAttribute('aria-live', 'polite');
      parent.appendChild(live);
    },
    box: function (title, text, error) {
      var d = document.createElement('dialog');
      d.className = 'gw-form gw-box' + (error ? ' gw-error' : '');
      d.setAttribute('role', 'alertdialog');
      d.innerHTML = '<div class="gw-caption"></div><div class="gw-client"><p class="gw-text"></p>' +
        '<button class="gw-ok">OK</button></div>';
      d.querySelector('.gw-caption').textContent = title;
      d.querySelector('.gw-text').textContent = text;
      d.setAttribute('aria-labelledby', 'gw-t' + (++GW.boxes));
      d.querySelector('.gw-caption').id = 'gw-t' + GW.boxes;
      d.setAttribute('aria-describedby', 'gw-d' + GW.boxes);
      d.querySelector('.gw-text').id = 'gw-d' + GW.boxes;
      GW.live(d);
      var id = GW.add(d), ok = d.querySelector('button');
      var done = function (e) {
        if (e) e.preventDefault();
        if (!d.open) return;
        d.close(); d.remove();
        GW.stack.splice(GW.stack.indexOf(d), 1);
        GW.push({ type: 7, id: id });
      };
      ok.addEventListener('click', function () { done(); });
      d.addEventListener('cancel', done);
      document.body.appendChild(d);
      GW.stack.push(d);
      d.showModal();
      ok.focus();
      return id;
    }
  },

  gw_create__deps: ['$GW'],
  gw_create: function (kind, parentId) {
    var p = GW.els[parentId], el;
    switch (kind) {
      case 0:  // the main form
        el = GW.make('div', 'gw-form gw-main', document.getElementById('gw-page'));
        el.setAttribute('role', 'application');
        el.gwClient = el; GW.main = el; GW.live(el);
        el.style.display = 'none';  // until it is shown
        break;
      case 1:  // a dialog form
        el = document.createElement('dialog');
        el.className = 'gw-control gw-form';
        el.innerHTML = '<div class="gw-caption"></div><div class="gw-client"></div>';
        el.gwClient = el.querySelector('.gw-client');
        el.setAttribute('aria-labelledby', 'gw-c' + GW.els.length);
        el.querySelector('.gw-caption').id = 'gw-c' + GW.els.length;
        GW.live(el); document.body.appendChild(el);
        el.addEventListener('cancel', function (e) { e.preventDefault(); });
        break;
      case 2: el = GW.make('div', 'gw-panel', p); break;
      case 3: el = GW.make('div', 'gw-label', p); break;
      case 4: el = GW.make('div', 'gw-columns', p); el.setAttribute('aria-hidden', 'true'); break;
      case 5:
        el = GW.make('button', 'gw-button', p);
        el.tabIndex = -1;
        el.addEventListener('click', function () { GW.push({ type: 1, el: el, id: el.gwId }); });
        break;
      case 6:
        el = GW.make('label', 'gw-check', p);
        el.innerHTML = '<input type="checkbox" tabindex="-1"><span></span>';
        break;
      case 7:
        el = GW.make('input', 'gw-edit gw-input', p);
        el.type = 'text'; el.tabIndex = -1; el.autocomplete = 'off';
        el.setAttribute('inputmode', 'numeric');
        break;
      case 8:
        el = GW.make('fieldset', 'gw-radios', p);
        el.setAttribute('role', 'radiogroup');
        el.innerHTML = '<legend></legend><div class="gw-items"></div>';
        break;
      case 9: el = GW.make('div', 'gw-static', p); el.setAttribute('role', 'status'); break;
    }
    return GW.add(el);
  },
  gw_destroy: function (id) {
    var el = GW.els[id];
    if (el && el.parentNode) el.parentNode.removeChild(el);
    GW.els[id] = null;
  },
  gw_set_bounds: function (id, l, t, w, h) {
    var s = GW.els[id].style, form = GW.els[id].gwClient;
    if (form && form !== GW.els[id]) s = form.style;
    else { s.left = l + 'px'; s.top = t + 'px'; }
    s.width = w + 'px'; s.height = h + 'px';
    GW.els[id].gwRect = [l, t, w, h];
  },
  gw_set_visible: function (id, v) {
    var el = GW.els[id];
    if (el.tagName === 'DIALOG') return;
    el.style.display = v ? '' : 'none';
    if (el === GW.main && v && !el.gwShownOnce) {
      el.gwShownOnce = true;
      setTimeout(function () { GW.push({ type: 6, el: el, id: id }); }, 300);
    }
  },
  gw_set_text: function (id, text) {
    var el = GW.els[id], t = UTF8ToString(text);
    if (el.classList.contains('gw-main')) { document.title = t; el.setAttribute('aria-label', t); }
    else if (el.tagName === 'DIALOG') el.querySelector('.gw-caption').textContent = t;
    else if (el.classList.contains('gw-check')) el.querySelector('span').textContent = t;
    else if (el.classList.contains('gw-radios')) el.querySelector('legend').textContent = t;
    else if (el.tagName === 'INPUT') el.value = t;
    else el.textContent = t;
    if (el.gwTitle !== undefined) el.setAttribute('aria-label', el.gwTitle + ': ' + t);
  },
  gw_set_style: function (id, prop, value) {
    var el = GW.els[id];
    (el.gwClient || el).style.setProperty(UTF8ToString(prop), UTF8ToString(value));
  },
  gw_set_attr: function (id, name, value) {
    var el = GW.els[id], n = UTF8ToString(name), v = UTF8ToString(value);
    if (n === 'gw-title') { el.gwTitle = v; el.setAttribute('aria-label', v + ': ' + el.textContent); return; }
    if (el.classList.contains('gw-check') && n !== 'title') el = el.querySelector('input');
    if (v === '') el.removeAttribute(n); else el.setAttribute(n, v);
  },
  gw_text_height: function (font) {
    var c = GW.canvas || (GW.canvas = document.createElement('canvas').getContext('2d'));
    c.font = UTF8ToString(font);
    var m = c.measureText('Mg');
    return Math.round(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent);
  },
  gw_text_width: function (font, text) {
    var c = GW.canvas || (GW.canvas = document.createElement('canvas').getContext('2d'));
    c.font = UTF8ToString(font);
    return Math.round(c.measureText(UTF8ToString(text)).width);
  },
  // Each glyph centred in its column at a whole pixel, its advance rounded, as the desktop's are.
  gw_set_columns: function (id, text, lefts, count, width) {
    var el = GW.els[id], t = UTF8ToString(text);
    var c = GW.canvas || (GW.canvas = document.createElement('canvas').getContext('2d'));
    c.font = el.style.font || getComputedStyle(el).font;
    el.textContent = '';
    for (var i = 0; i < count && i < t.length; ++i) {
      if (t[i] === ' ') continue;
      var s = document.createElement('span');
      s.textContent = t[i];
      var inset = Math.trunc((width - Math.round(c.measureText(t[i]).width)) / 2);
      s.style.left = HEAP32[(lefts >> 2) + i] + inset + 'px';
      el.appendChild(s);
    }
  },
  gw_get_text: function (id, buffer, size) {
    var v = GW.els[id].value;
    stringToUTF8(v, buffer, size);
    return lengthBytesUTF8(v);
  },
  gw_edit_type: function (id, ch) {
    var el = GW.els[id], v = el.value, a = el.selectionStart, b = el.selectionEnd;
    if (ch === 8) {
      if (a === b && a > 0) --a;
      el.value = v.slice(0, a) + v.slice(b); el.setSelectionRange(a, a);
    } else if (ch >= 32 && (el.maxLength <= 0 || v.length - (b - a) < el.maxLength)) {
      el.value = v.slice(0, a) + String.fromCharCode(ch) + v.slice(b);
      el.setSelectionRange(a + 1, a + 1);
    }
  },
  gw_set_items: function (id, items, index) {
    var el = GW.els[id], list = el.querySelector('.gw-items'), texts = UTF8ToString(items).split('\n');
    if (!items || !UTF8ToString(items)) texts = [];
    list.textContent = '';
    texts.forEach(function (t, i) {
      var row = document.createElement('label'), r = document.createElement('input');
      r.type = 'radio'; r.name = 'gw-r' + id; r.gwIndex = i; r.checked = i === index;
      r.tabIndex = -1;
      r.addEventListener('click', function () { if (r.checked) GWKeys.radio(r); });
      row.appendChild(r); row.appendChild(document.createTextNode(t));
      list.appendChild(row);
    });
  },
  gw_set_rows: function (id, rects, count) {
    var rows = GW.els[id].querySelectorAll('.gw-items label');
    for (var i = 0; i < count && i < rows.length; ++i) {
      var r = (rects >> 2) + 4 * i, s = rows[i].style;
      s.left = HEAP32[r] + 'px'; s.top = HEAP32[r + 1] + 'px';
      s.width = HEAP32[r + 2] + 'px'; s.height = HEAP32[r + 3] + 'px';
    }
  },
  gw_set_item_index: function (id, index) {
    var el = GW.els[id], radios = el.querySelectorAll('input'), had = el.contains(document.activeElement);
    radios.forEach(function (r, i) { r.checked = i === index; });
    if (had && radios[index]) radios[index].focus();
  },
  gw_checked: function (id) { return GW.els[id].querySelector('input').checked ? 1 : 0; },
  gw_set_checked: function (id, v) { GW.els[id].querySelector('input').checked = !!v; },
  gw_set_form: function (id, what, other) {
    var el = GW.els[id];
    if (what === 0) el.gwPreview = !!other;
  },
  gw_show_modal: function (id, ownerId) {
    var d = GW.els[id], owner = GW.els[ownerId];
    GW.stack.push(d);
    d.showModal();
    if (owner && d.gwCentred) {
      var o = owner.getBoundingClientRect(), r = d.getBoundingClientRect();
      d.style.margin = '0';
      d.style.left = Math.max(0, o.left + (o.width - r.width) / 2) + 'px';
      d.style.top = Math.max(0, o.top + (o.height - r.height) / 2) + 'px';
    }
    setTimeout(function () { GW.push({ type: 6, id: id }); }, 300);
  },
  gw_close: function (id) {
    var el = GW.els[id], i = GW.stack.indexOf(el);
    if (i >= 0) GW.stack.splice(i, 1);
    if (el.tagName === 'DIALOG') { if (el.open) el.close(); } else el.style.display = 'none';
  },
  gw_centre: function (id, v) { GW.els[id].gwCentred = !!v; },
  gw_announce: function (id, text) { GW.announce(GW.els[id], UTF8ToString(text)); },
  gw_message_box: function (title, text, error) {
    return GW.box(UTF8ToString(title), UTF8ToString(text), error);
  },
  gw_next_event: function (out) {
    while (GW.queue.length) {
      var ev = GW.queue.shift();
      if (ev.el && !GW.reachable(ev.el) && ev.type !== 6) continue;
      HEAP32[out >> 2] = ev.type; HEAP32[(out >> 2) + 1] = ev.id;
      HEAP32[(out >> 2) + 2] = ev.arg || 0; HEAP32[(out >> 2) + 3] = ev.ch || 0;
      HEAP32[(out >> 2) + 4] = ev.mods || 0; HEAP32[(out >> 2) + 5] = ev.target || 0;
      return 1;
    }
    return 0;
  },
  gw_wait: function (ms) {
    return Asyncify.handleSleep(function (wakeUp) {
      var timer = 0;
      GW.wake = function () {
        GW.wake = null;
        if (timer) clearTimeout(timer);
        setTimeout(function () { wakeUp(0); }, 0);
      };
      if (GW.queue.length) GW.wake();
      else if (ms >= 0) timer = setTimeout(function () { timer = 0; if (GW.wake) GW.wake(); }, ms);
    });
  },
  gw_now: function () { return performance.now(); },
  // The high-resolution clock in microseconds; a page opened with ?seed=N deals from N.
  gw_seed: function () {
    var m = /[?&]seed=(\d+)/.exec(location.search);
    return m ? Number(m[1]) >>> 0 : Math.floor(performance.now() * 1000) >>> 0;
  },
  gw_beep: function () {
    Module.gwBeeps = (Module.gwBeeps || 0) + 1;
    try {
      var a = GW.audio || (GW.audio = new AudioContext()), o = a.createOscillator(), g = a.createGain();
      o.frequency.value = 800; g.gain.value = 0.1;
      o.connect(g); g.connect(a.destination);
      o.start(); o.stop(a.currentTime + 0.15);
    } catch (e) { }
  },
  gw_open: function (url) { window.open(UTF8ToString(url), '_blank', 'noopener'); },
  gw_ended: function () {
    var page = document.getElementById('gw-page');
    page.innerHTML = '<div class="gw-ended" role="main"><p>Gapwise has ended.</p>' +
      '<button>Start again</button></div>';
    var b = page.querySelector('button');
    b.addEventListener('click', function () { location.reload(); });
    b.focus();
  }
});
