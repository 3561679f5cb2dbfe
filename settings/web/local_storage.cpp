#include "settings/web/local_storage.h"

#include <emscripten.h>

#include <cstdlib>

namespace {

// The bodies are JavaScript.
// clang-format off
// A copy of the item made with malloc, or null when there is none.
EM_JS(char*, gw_storage_get, (const char* name), {
  var text = null;
  try { text = localStorage.getItem(UTF8ToString(name)); } catch (e) { }
  if (text === null) return 0;
  var size = lengthBytesUTF8(text) + 1, copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});

EM_JS(int, gw_storage_set, (const char* name, const char* text), {
  try { localStorage.setItem(UTF8ToString(name), UTF8ToString(text)); return 1; }
  catch (e) { return 0; }
});
// clang-format on

}  // namespace

namespace gapwise {

std::optional<std::string> TLocalStorage::Get(const std::string& name) {
  char* copy = gw_storage_get(name.c_str());
  if (copy == nullptr) return std::nullopt;
  std::string text(copy);
  std::free(copy);
  return text;
}

bool TLocalStorage::Set(const std::string& name, const std::string& text) {
  return gw_storage_set(name.c_str(), text.c_str()) != 0;
}

}  // namespace gapwise
