// The keyboard and the focus of the web backend's forms. Every key that goes down in the top form is queued
// for the program with its modifiers, and with the edit box that would take its character; the
// form decides on dialog keys and key preview (TForm::KeyDown). Here only what the browser would
// do otherwise is stopped: Tab, Enter and, on a control other than an edit box, the arrow keys
// (which the form uses), the function keys under key preview, a character that the program types
// into an edit box itself, and Esc, which closes a dialog through the program.
mergeInto(LibraryManager.library, {
  $GWKeys: {
    // Where the focus goes in a control: a choice list's selected button, else its first.
    entry: function (c) {
      if (!c.classList.contains('gw-radios')) return c.querySelector('input,button') || c;
      var radios = Array.prototype.slice.call(c.querySelectorAll('input'));
      return radios.filter(function (r) { return r.checked; })[0] || radios[0] || null;
    },
    control: function (el) { return el.closest('.gw-control'); },
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
      if (k === 'Escape' && form.tagName === 'DIALOG') {
        e.preventDefault(); return GW.push({ type: 5, el: form, id: form.gwId });
      }
      var ch = GWKeys.code(e), typed = edit && ch && !e.ctrlKey && !e.altKey && !e.metaKey;
      var arrow = k.indexOf('Arrow') === 0 && inForm !== form && !edit;
      var fn = form.gwPreview && e.keyCode >= 112 && e.keyCode <= 123;
      if (k === 'Tab' || k === 'Enter' || arrow || fn || typed) e.preventDefault();
      var mods = (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
      GW.push({ type: 3, el: form, id: form.gwId, arg: e.keyCode, ch: ch, mods: mods,
                target: typed ? GWKeys.control(inForm).gwId : 0 });
    },
  },

  // The focus, as the program moves it.
  gw_focus__deps: ['$GW', '$GWKeys'],
  gw_focus: function (id) {
    var el = GW.els[id], target = el.tagName === 'DIALOG' ? null : GWKeys.entry(el);
    if (target) target.focus();
  },
  gw_focused: function (id) {
    var el = GW.els[id];
    return el.contains(document.activeElement) ? 1 : 0;
  },
  gw_focus_item: function (id, index) {
    var r = GW.els[id].querySelectorAll('input')[index];
    if (r) r.focus();
  },
  gw_focused_item: function (id) {
    var radios = Array.prototype.slice.call(GW.els[id].querySelectorAll('input'));
    return radios.indexOf(document.activeElement);
  },
  gw_select_all: function (id) { GW.els[id].select(); },
});
