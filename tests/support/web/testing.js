// The page's side of AwaitPicture: the driver reads Module.gwPicture and calls
// Module.gwPictureTaken(), which wakes the program's event loop.
mergeInto(LibraryManager.library, {
  gw_testing_picture__deps: ['$GW'],
  gw_testing_picture: function (name) {
    Module.gwPicture = UTF8ToString(name);
    Module.gwPictureTaken = function () { Module.gwPicture = null; GW.push({ type: 0, id: 0 }); };
  },
  gw_testing_taken: function () { return Module.gwPicture === null ? 1 : 0; }
});
