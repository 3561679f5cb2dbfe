// A registry over the browser's per-site storage: each root's keys and values are one item of
// the storage, in the registry editor's text format (REGEDIT4), so that they can be read and
// changed by hand in the browser's developer tools.
#pragma once

#include <optional>
#include <string>

#include "settings/hive/hive_keys.h"

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

// Keys as THiveKeys keeps them, each save over the item as it stands then. An item that does not
// parse makes every key in it fail to open (BadDatabase); a close whose item
// no longer parses gives BadDatabase, one the storage refuses (full) CantWrite. The machine's
// root is only read.
class TStorageRegistry : public THiveKeys {
 public:
  TStorageRegistry(ITextStorage& storage, TStorageItems items);

  // "the stored settings 'gapwise/registry.reg' (line N)".
  std::string DescribeUnreadable(reg::Root root) const override;

 protected:
  reg::Status ReadHive(bool user, THive& hive, std::size_t& badLine) override;
  reg::Status MayWrite(bool user) override;
  bool WriteHive(bool user, const std::string& text) override;

 private:
  const std::string& ItemOf(bool user) const;

  ITextStorage& storage_;
  TStorageItems items_;
};

}  // namespace gapwise
