// A registry without keys: nothing is stored and nothing can be, so that settings keep their
// defaults and a save stores nothing. For tools and tests that must not touch the user's own.
#pragma once

#include <string>

#include "settings/registry.h"

namespace gapwise::reg {

class TEmptyRegistry : public IRegistry {
 public:
  Status OpenKey(Root, const char*, Access, Key&) override { return Status::NotFound; }
  Status CreateKey(Root, const char*, Access, Key&, bool*) override { return Status::AccessDenied; }
  Status QueryValue(Key, const char*, Type*, std::uint8_t*, std::uint32_t*) override {
    return Status::InvalidHandle;
  }
  Status SetValue(Key, const char*, Type, const std::uint8_t*, std::uint32_t) override {
    return Status::InvalidHandle;
  }
  Status CloseKey(Key) override { return Status::InvalidHandle; }
  std::string DescribeUnreadable(Root) const override { return "no registry"; }
};

}  // namespace gapwise::reg
