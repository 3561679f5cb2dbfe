// The keyboard of the web backend's forms, as on the desktop: Tab and the arrow keys among the
// controls, Enter for the focused or the default button, Esc for a dialog, and the key preview.
// Keys, like every other action, are only queued for the program.
mergeInto(LibraryManager.library, {
  $GWKeys: {
    // Tab stops: the tab order given, then the other controls that take the focus.
    stops: function (form) {
      var list = (form.gwTab || []).slice();
      form.querySelectorAll('.gw-button,.gw-check,.gw-edit,.gw-radios').forEach(function (c) {
        if (list.indexOf(c) < 0 && GW.formOf(c) === form) list.push(c);
      });
      return list.filter(GWKeys.shown).map(GWKeys.entry).filter(function (x) { return x; });
    },
    shown: function (el) { return el.offsetParent !== null || el.closest('dialog[open]'); },
    entry: function (c) {
      if (!c.classList.contains('gw-radios')) return c.querySelector('input,button') || c;
      var radios = Array.prototype.slice.call(c.querySelectorAll('input'));
      var checked = radios.filter(function (r) { return r.checked && GWKeys.shown(r); });
      return checked[0] || radios.filter(GWKeys.shown)[0] || null;
    },
    around: function (list, at, forward) {
      if (!list.length) return null;
      var i = at < 0 ? (forward ? 0 : list.length - 1) : (at + (forward ? 1 : -1) + list.length) % list.length;
      return list[i];
    },
    control: function (el) { return el.closest('.gw-control'); },
    moveTab: function (form, target, forward) {
      var stops = GWKeys.stops(form), c = GWKeys.control(target), at = -1;
      stops.forEach(function (s, i) { if (s === target || (c && GWKeys.control(s) === c)) at = i; });
      var next = GWKeys.around(stops, at, forward);
      if (next) { next.focus(); if (next.select) next.select(); }
    },
    moveArrow: function (form, target, forward) {
      var c = GWKeys.control(target), same = [];
      if (target.type === 'radio') {
        same = GWKeys.radios(c);
      } else {  // the choice list's buttons are controls of their own there, as on the desktop
        GWKeys.stops(form).forEach(function (s) {
          var sc = GWKeys.control(s);
          if (sc.parentNode === c.parentNode) same = same.concat(s.type === 'radio' ? GWKeys.radios(sc) : [s]);
        });
      }
      var next = GWKeys.around(same, same.indexOf(target), forward);
      if (!next || next === target) return;
      next.focus();
      if (next.type === 'radio' && !next.checked) { next.checked = true; GWKeys.radio(next); }
    },
    radios: function (c) { return Array.prototype.slice.call(c.querySelectorAll('input')).filter(GWKeys.shown); },
    radio: function (r) { GW.push({ type: 2, el: r, id: GWKeys.control(r).gwId, arg: r.gwIndex }); },
    code: function (e) {
      if (e.key === 'Backspace') return 8;
      if (e.key === 'Escape') return 27;
      if (e.key.length !== 1 || e.key.charCodeAt(0) > 255) return 0;
      return e.key.charCodeAt(0);
    },
    key: function (e) {
      var form = GW.top();
      if (!form || e.isComposing || form.classList.contains('gw-box')) return;
      var t = document.activeElement, inForm = t && form.contains(t) ? t : form, k = e.key;
      var edit = inForm.classList && inForm.classList.contains('gw-input');
      if (k === 'Tab' && !e.altKey && !e.ctrlKey) {
        e.preventDefault(); return GWKeys.moveTab(form, inForm, !e.shiftKey);
      }
      if (k === 'Enter' && !e.altKey) {
        e.preventDefault();
        var b = inForm.tagName === 'BUTTON' ? inForm : form.gwDefault;
        if (b && GWKeys.shown(b)) GW.push({ type: 1, el: b, id: GWKeys.control(b).gwId });
        return;
      }
      if (k.indexOf('Arrow') === 0 && inForm !== form && !edit) {
        e.preventDefault();
        return GWKeys.moveArrow(form, inForm, k === 'ArrowRight' || k === 'ArrowDown');
      }
      if (k === 'Escape' && form.tagName === 'DIALOG') {
        e.preventDefault(); return GW.push({ type: 5, el: form, id: form.gwId });
      }
      var ch = GWKeys.code(e);
      if (form.gwPreview) {
        if (e.keyCode >= 112 && e.keyCode <= 123) e.preventDefault();
        GW.push({ type: 3, el: form, id: form.gwId, arg: e.keyCode, ch: ch });
      }
      if (edit && ch && !e.ctrlKey && !e.altKey && !e.metaKey) {
        e.preventDefault();
        GW.push({ type: 4, el: inForm, id: GWKeys.control(inForm).gwId, ch: ch });
      }
    },
  }
});
