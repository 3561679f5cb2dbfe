// A registry held in memory, for tests of the windows: keys by root and path, typed values, and
// the reads, writes and results the store relies on.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/registry.h"

namespace gapwise::testing {

class TMemoryRegistry : public reg::IRegistry {
 public:
  struct TValue {
    reg::Type Type = reg::Type::None;
    std::vector<std::uint8_t> Data;
  };
  using TKey = std::map<std::string, TValue>;

  // The values under a key; the key exists once it is named here.
  TKey& At(reg::Root root, const std::string& path) { return keys_[{root, path}]; }
  bool Exists(reg::Root root, const std::string& path) const {
    return keys_.count({root, path}) != 0;
  }
  bool ReadOnly = false;  // creating a key for writing fails

  reg::Status OpenKey(reg::Root root, const char* subKey, reg::Access /*desired*/,
                      reg::Key& result) override {
    if (!Exists(root, subKey)) return reg::Status::NotFound;
    return Add(root, subKey, result);
  }
  reg::Status CreateKey(reg::Root root, const char* subKey, reg::Access /*desired*/,
                        reg::Key& result, bool* created) override {
    if (ReadOnly) return reg::Status::AccessDenied;
    if (created) *created = !Exists(root, subKey);
    At(root, subKey);
    return Add(root, subKey, result);
  }
  reg::Status QueryValue(reg::Key key, const char* name, reg::Type* type, std::uint8_t* data,
                         std::uint32_t* size) override {
    const auto open = open_.find(key);
    if (open == open_.end()) return reg::Status::InvalidHandle;
    TKey& values = keys_[open->second];
    const auto found = values.find(name);
    if (found == values.end()) return reg::Status::NotFound;
    if (type) *type = found->second.Type;
    const auto needed = static_cast<std::uint32_t>(found->second.Data.size());
    if (data != nullptr && *size < needed) {
      *size = needed;
      return reg::Status::MoreData;
    }
    if (data != nullptr) std::copy(found->second.Data.begin(), found->second.Data.end(), data);
    if (size) *size = needed;
    return reg::Status::Success;
  }
  reg::Status SetValue(reg::Key key, const char* name, reg::Type type, const std::uint8_t* data,
                       std::uint32_t size) override {
    const auto open = open_.find(key);
    if (open == open_.end()) return reg::Status::InvalidHandle;
    keys_[open->second][name] = TValue{type, std::vector<std::uint8_t>(data, data + size)};
    return reg::Status::Success;
  }
  reg::Status CloseKey(reg::Key key) override {
    return open_.erase(key) != 0 ? reg::Status::Success : reg::Status::InvalidHandle;
  }
  std::string DescribeUnreadable(reg::Root /*root*/) const override { return "the registry"; }

  std::size_t OpenKeys() const { return open_.size(); }

 private:
  reg::Status Add(reg::Root root, const std::string& path, reg::Key& result) {
    result = next_++;
    open_[result] = {root, path};
    return reg::Status::Success;
  }

  std::map<std::pair<reg::Root, std::string>, TKey> keys_;
  std::map<reg::Key, std::pair<reg::Root, std::string>> open_;
  reg::Key next_ = 1;
};

}  // namespace gapwise::testing
