// A registry without keys, for dealing without stored settings.
#pragma once

#include <string>

#include "settings/registry.h"

namespace gapwise::testing_support {

class TNoRegistry : public reg::IRegistry {
 public:
  reg::Status OpenKey(reg::Root, const char*, reg::Access, reg::Key&) override {
    return reg::Status::NotFound;
  }
  reg::Status CreateKey(reg::Root, const char*, reg::Access, reg::Key&, bool*) override {
    return reg::Status::AccessDenied;
  }
  reg::Status QueryValue(reg::Key, const char*, reg::Type*, std::uint8_t*,
                         std::uint32_t*) override {
    return reg::Status::InvalidHandle;
  }
  reg::Status SetValue(reg::Key, const char*, reg::Type, const std::uint8_t*,
                       std::uint32_t) override {
    return reg::Status::InvalidHandle;
  }
  reg::Status CloseKey(reg::Key) override { return reg::Status::InvalidHandle; }
  std::string DescribeUnreadable(reg::Root) const override { return "no registry"; }
};

}  // namespace gapwise::testing_support
