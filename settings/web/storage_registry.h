// A registry over the browser's per-site storage: each root's keys and values are one item of
// the storage, in the registry editor's text format (REGEDIT4), so that they can be read and
// changed by hand in the browser's developer tools.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/hive/hive.h"
#include "settings/registry.h"

namespace gapwise {

// Named texts that outlive the page: localStorage in a browser.
class ITextStorage {
 public:
  virtual ~ITextStorage() = default;
  virtual std::optional<std::string> Get(const std::string& name) = 0;
  virtual bool Set(const std::string& name, const std::string& text) = 0;  // false: not stored
};

// The storage's items that hold the two roots; an empty name is a root that holds nothing.
struct TStorageItems {
  std::string CurrentUser = "gapwise/registry.reg";
  std::string LocalMachine;
};

// As the hive files: an open key sees its root as it stood when opened, and its own writes,
// which reach the storage together when the key is closed, over the item as it stands then. An
// item that does not parse makes every key in it fail to open (BadDatabase); a close whose item
// no longer parses gives BadDatabase, one the storage refuses (full) CantWrite. The machine's
// root is only read.
class TStorageRegistry : public reg::IRegistry {
 public:
  TStorageRegistry(ITextStorage& storage, TStorageItems items);

  reg::Status OpenKey(reg::Root root, const char* subKey, reg::Access desired,
                      reg::Key& result) override;
  reg::Status CreateKey(reg::Root root, const char* subKey, reg::Access desired, reg::Key& result,
                        bool* created = nullptr) override;
  reg::Status QueryValue(reg::Key key, const char* name, reg::Type* type, std::uint8_t* data,
                         std::uint32_t* size) override;
  reg::Status SetValue(reg::Key key, const char* name, reg::Type type, const std::uint8_t* data,
                       std::uint32_t size) override;
  reg::Status CloseKey(reg::Key key) override;
  // "the stored settings 'gapwise/registry.reg' (line N)".
  std::string DescribeUnreadable(reg::Root root) const override;

 private:
  struct TOpenKey {
    bool User = true;
    std::string Path;
    reg::Access Access = 0;
    THive Hive;
    bool Created = false;
    std::vector<std::pair<std::string, THiveValue>> Writes;
  };
  reg::Status Read(bool user, THive& hive);
  reg::Status Save(const TOpenKey& key);
  reg::Key Add(TOpenKey key);
  const std::string& ItemOf(bool user) const;

  ITextStorage& storage_;
  TStorageItems items_;
  std::map<reg::Key, TOpenKey> keys_;
  reg::Key next_ = 1;
  std::size_t badLine_[2] = {};  // by root: machine, user
};

}  // namespace gapwise
