// In a browser the user's settings live in the site's localStorage; the machine's key, which
// names the folder of the help, is the page's own.
#include "app/backends.h"
#include "settings/web/local_storage.h"

namespace gapwise {
namespace {

constexpr const char* kMachineItem = "machine";
constexpr const char* kMachineHive =
    "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Ardentree\\Gapwise]\r\n\"AppPath\"=\".\"\r\n";

class TPageStorage : public TLocalStorage {
 public:
  std::optional<std::string> Get(const std::string& name) override {
    return name == kMachineItem ? std::optional<std::string>(kMachineHive)
                                : TLocalStorage::Get(name);
  }
};

class TWebRegistry : public TStorageRegistry {
 public:
  TWebRegistry() : TStorageRegistry(storage_, TStorageItems{.LocalMachine = kMachineItem}) {}

 private:
  TPageStorage storage_;
};

}  // namespace

std::unique_ptr<reg::IRegistry> SettingsRegistry() {
  return std::make_unique<TWebRegistry>();
}

}  // namespace gapwise
