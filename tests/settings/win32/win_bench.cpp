// The store's table of cases over the real registry (Wine's, in the tests): the settings keys
// under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, deleted before and after each case and filled
// and read here with advapi32's own calls.
#include <windows.h>

#include <gtest/gtest.h>

#include "settings/win32/win_registry.h"
#include "tests/settings/registry_bench.h"

namespace gapwise::testing_support {
namespace {

constexpr const char* kSubKey = "Software\\Ardentree\\Gapwise";

HKEY RootKey(reg::Root root) {
  return root == reg::Root::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

void Clear(reg::Root root) {
  const LONG result = ::RegDeleteTreeA(RootKey(root), kSubKey);
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
    ADD_FAILURE() << "cannot delete the settings key: error " << result;
  }
  HKEY key = nullptr;
  if (::RegOpenKeyExA(RootKey(root), kSubKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    ::RegCloseKey(key);
    ADD_FAILURE() << "the settings key is still there";
  }
}

class TWinBench : public TRegistryBench {
 public:
  TWinBench() {
    Clear(reg::Root::CurrentUser);
    Clear(reg::Root::LocalMachine);
  }
  ~TWinBench() override {
    Clear(reg::Root::CurrentUser);
    Clear(reg::Root::LocalMachine);
  }

  reg::IRegistry& Registry() override { return registry_; }

  void Put(reg::Root root, const TKeyValues& values) override {
    Clear(root);
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(RootKey(root), kSubKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &key, nullptr),
              ERROR_SUCCESS);
    for (const TStoredValue& value : values) {
      EXPECT_EQ(::RegSetValueExA(key, value.Name.c_str(), 0, static_cast<DWORD>(value.Type),
                                 value.Bytes.data(), static_cast<DWORD>(value.Bytes.size())),
                ERROR_SUCCESS)
          << value;
    }
    ::RegCloseKey(key);
  }

  std::optional<TKeyValues> Get(reg::Root root) override {
    HKEY key = nullptr;
    const LONG opened = ::RegOpenKeyExA(RootKey(root), kSubKey, 0, KEY_READ, &key);
    if (opened == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (opened != ERROR_SUCCESS) {
      ADD_FAILURE() << "cannot open the settings key: error " << opened;
      return std::nullopt;
    }
    TKeyValues values;
    for (DWORD index = 0;; ++index) {
      char name[16384];
      DWORD nameSize = sizeof name;
      DWORD type = 0;
      std::vector<std::uint8_t> data(65536);
      DWORD dataSize = static_cast<DWORD>(data.size());
      const LONG result =
          ::RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data.data(), &dataSize);
      if (result == ERROR_NO_MORE_ITEMS) break;
      if (result != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot list the values: error " << result;
        break;
      }
      data.resize(dataSize);
      values.push_back({std::string(name, nameSize), static_cast<reg::Type>(type), data});
    }
    ::RegCloseKey(key);
    return ByName(values);
  }

 private:
  TWinRegistry registry_;
};

}  // namespace

std::unique_ptr<TRegistryBench> MakeRegistryBench() {
  return std::make_unique<TWinBench>();
}

}  // namespace gapwise::testing_support
