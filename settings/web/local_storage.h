// The browser's localStorage as the registry's text storage; under Node, the page's stand-in.
#pragma once

#include "settings/web/storage_registry.h"

namespace gapwise {

class TLocalStorage : public ITextStorage {
 public:
  std::optional<std::string> Get(const std::string& name) override;
  bool Set(const std::string& name, const std::string& text) override;
};

}  // namespace gapwise
