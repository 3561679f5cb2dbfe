// The keys of a registry whose roots are each one hive in the REGEDIT4 text format, wherever the
// text is kept (files, a browser's storage): what a subclass gives is how a root's text is read,
// whether it may be written, and how it is written.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/hive/hive.h"
#include "settings/registry.h"

namespace gapwise {

// An open key sees its hive as it stood when the key was opened, and its own writes. A key's
// creation and writes reach the hive together when the key is closed, over the hive's text at
// that moment, so whatever else it holds stays; a key never closed saves nothing. A write that
// would make the text larger than kMaxHiveBytes fails (CantWrite) and is left out of the save.
class THiveKeys : public reg::IRegistry {
 public:
  reg::Status OpenKey(reg::Root root, const char* subKey, reg::Access desired,
                      reg::Key& result) override;
  reg::Status CreateKey(reg::Root root, const char* subKey, reg::Access desired, reg::Key& result,
                        bool* created = nullptr) override;
  reg::Status QueryValue(reg::Key key, const char* name, reg::Type* type, std::uint8_t* data,
                         std::uint32_t* size) override;
  reg::Status SetValue(reg::Key key, const char* name, reg::Type type, const std::uint8_t* data,
                       std::uint32_t size) override;
  reg::Status CloseKey(reg::Key key) override;

  std::size_t OpenKeyCount() const { return keys_.size(); }
  // The line at fault in the hive behind root when it last gave BadDatabase, counted from 1; 0
  // when the text as a whole was at fault.
  std::size_t BadLine(reg::Root root) const { return badLine_[IsUser(root)]; }

 protected:
  static bool IsUser(reg::Root root) { return root == reg::Root::CurrentUser; }
  // The root's hive: Success, NotFound when it has none, or why it could not be read (noting
  // the line at fault in badLine).
  virtual reg::Status ReadHive(bool user, THive& hive, std::size_t& badLine) = 0;
  // Success when the root's hive may be written, else AccessDenied or why that is not known.
  virtual reg::Status MayWrite(bool user) = 0;
  // Writes the root's whole text; false when it was not written.
  virtual bool WriteHive(bool user, const std::string& text) = 0;

 private:
  struct TOpenKey {
    bool User = true;
    std::string Path;
    reg::Access Access = 0;
    THive Hive;                                              // as opened, with the writes
    bool Created = false;                                    // missing from the hive at open
    std::vector<std::pair<std::string, THiveValue>> Writes;  // in their order
  };
  reg::Status Open(reg::Root root, const char* subKey, TOpenKey& open);
  reg::Status Save(const TOpenKey& key);
  reg::Key Add(TOpenKey key);

  std::map<reg::Key, TOpenKey> keys_;
  reg::Key next_ = 1;
  std::size_t badLine_[2] = {};  // by root: machine, user
};

}  // namespace gapwise
