// The contract's probe in the page (test-only, never in the program): acts as the user does on
// the web backend's elements (dom.js) and reads what the page shows. Like the page's own
// listeners, it only lets the backend queue events; the program handles them in its loop.
mergeInto(LibraryManager.library, {
  $GWProbe__deps: ['$GW'],
  $GWProbe: {
    // TPress's keys as the browser reports them: key, code, keyCode, Shift held.
    keys: [['Tab', 'Tab', 9, false], ['Tab', 'Tab', 9, true], ['Enter', 'Enter', 13, false],
      ['Escape', 'Escape', 27, false], ['ArrowUp', 'ArrowUp', 38, false],
      ['ArrowDown', 'ArrowDown', 40, false], ['ArrowLeft', 'ArrowLeft', 37, false],
      ['ArrowRight', 'ArrowRight', 39, false], ['7', 'Digit7', 55, false]],
    fire: function (target, type, k) {
      return target.dispatchEvent(new KeyboardEvent(type, {
        key: k[0], code: k[1], keyCode: k[2], which: k[2], shiftKey: k[3],
        bubbles: true, cancelable: true, composed: true, view: window
      }));
    },
    // What the browser does itself for a key that no listener took, which a dispatched event
    // does not do: Enter presses a button, a character goes into a text field.
    act: function (target, k) {
      if (k[0] === 'Enter' && target.tagName === 'BUTTON') target.click();
      if (k[0].length === 1 && target.type === 'text') target.setRangeText(k[0],
        target.selectionStart, target.selectionEnd, 'end');
    },
    radios: function (id) { return GW.els[id].querySelectorAll('.gw-items input'); },
    box: function () {
      var open = document.querySelectorAll('dialog[open][role=alertdialog]');
      return open.length ? open[open.length - 1] : null;
    },
    caption: function (el) {
      if (el.classList.contains('gw-main')) return document.title;
      if (el.tagName === 'INPUT') return el.value;
      var part = el.querySelector(':scope > .gw-caption, :scope > legend, :scope > span');
      return (part || el).textContent;
    },
    // The texts that gwp_read gives, by number.
    texts: [
      function (el) { return GWProbe.caption(el); },
      function (el) { var r = el.querySelector(':scope > .gw-live'); return r ? r.textContent : ''; },
      function (el) { return el.querySelector('.gw-caption').textContent; },
      function (el) { return el.querySelector('.gw-text').textContent; }
    ]
  },

  gwp_click__deps: ['$GWProbe'],
  gwp_click: function (id, item) { (item < 0 ? GW.els[id] : GWProbe.radios(id)[item]).click(); },
  gwp_press__deps: ['$GWProbe'],
  gwp_press: function (key) {
    var k = GWProbe.keys[key], target = document.activeElement || document.body;
    if (GWProbe.fire(target, 'keydown', k)) {
      if (k[0].length === 1 || k[0] === 'Enter') GWProbe.fire(target, 'keypress', k);
      GWProbe.act(target, k);
    }
    GWProbe.fire(document.activeElement || document.body, 'keyup', k);
  },
  gwp_read__deps: ['$GWProbe'],
  gwp_read: function (what, id, buffer, size) {
    var text = GWProbe.texts[what](GW.els[id]);
    stringToUTF8(text, buffer, size);
    return lengthBytesUTF8(text);
  },
  gwp_shown: function (id) {
    var el = GW.els[id];
    return el && el.isConnected && el.getClientRects().length > 0 ? 1 : 0;
  },
  gwp_has_focus: function (id) { return GW.els[id].contains(document.activeElement) ? 1 : 0; },
  gwp_item__deps: ['$GWProbe'],
  gwp_item: function (id, index, checked) {
    var r = GWProbe.radios(id)[index];
    return r && (checked ? r.checked : r === document.activeElement) ? 1 : 0;
  },
  gwp_queued: function () { return GW.queue.length; },
  // The open message box: its element's number, 0 for none.
  gwp_box__deps: ['$GWProbe'],
  gwp_box: function () { var b = GWProbe.box(); return b ? b.gwId : 0; },
  // Whether the box's text shows the error icon that the page's style draws before it.
  gwp_box_icon: function (id) {
    var content = getComputedStyle(GW.els[id].querySelector('.gw-text'), '::before').content;
    return content && content !== 'none' ? 1 : 0;
  }
});
