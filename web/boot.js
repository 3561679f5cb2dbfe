// Starts Gapwise: the fonts first (the program measures its labels in them), then the program.
// The service worker keeps the page for playing offline.
'use strict';
var Module = {
  gwTitle: 'Gapwise',
  onRuntimeInitialized: function () { Module.callMain([]); },
  print: function (text) { console.log(text); },
  printErr: function (text) { console.error(text); }
};
(function () {
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(function () { });
  }
  var faces = ['16px "Liberation Serif"', 'bold 16px "Liberation Serif"',
    'italic 16px "Liberation Serif"'];
  var loaded = document.fonts ? Promise.all(faces.map(function (f) { return document.fonts.load(f); }))
    : Promise.resolve();
  loaded.catch(function () { }).then(function () {
    var script = document.createElement('script');
    script.src = 'gapwise.js';
    document.body.appendChild(script);
  });
})();
