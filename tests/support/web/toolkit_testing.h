// For tools on the web backend: the page held still while the browser's driver takes a picture.
#pragma once

#include <string>

namespace gapwise::web {

// Names the picture the page shows now (Module.gwPicture) and runs the event loop until the
// driver has taken it and called Module.gwPictureTaken().
void AwaitPicture(const std::string& name);

}  // namespace gapwise::web
