// The registry backend over advapi32, against the real registry (Wine's in the tests): the
// interface's results, types and sizes as the system gives them.
#include <gtest/gtest.h>
#include <windows.h>

#include "settings/store.h"
#include "settings/win32/win_registry.h"
#include "tests/settings/registry_bench.h"

namespace gapwise {
namespace {

using reg::Root;
using reg::Status;
using reg::Type;
using testing_support::Dword;
using testing_support::Raw;
using testing_support::Text;

constexpr const char* kSub = "Software\\Ardentree\\Gapwise";

class WinRegistry : public ::testing::Test {
 protected:
  void SetUp() override { bench_ = testing_support::MakeRegistryBench(); }
  void TearDown() override { bench_.reset(); }
  reg::Key Open(Root root, reg::Access access) {
    reg::Key key = 0;
    EXPECT_EQ(registry_.OpenKey(root, kSub, access, key), Status::Success);
    return key;
  }

  std::unique_ptr<testing_support::TRegistryBench> bench_;
  TWinRegistry registry_;
};

TEST_F(WinRegistry, AMissingKeyIsNotFound) {
  reg::Key key = 0;
  EXPECT_EQ(registry_.OpenKey(Root::CurrentUser, kSub, reg::kRead, key), Status::NotFound);
  EXPECT_EQ(registry_.OpenKey(Root::LocalMachine, kSub, reg::kQueryValue, key), Status::NotFound);
  EXPECT_EQ(key, 0u);
}

TEST_F(WinRegistry, ALeadingBackslashIsABadPath) {
  bench_->Put(Root::CurrentUser, {});
  reg::Key key = 0;
  EXPECT_EQ(registry_.OpenKey(Root::CurrentUser, kSettingsKeyPath, reg::kRead, key),
            Status::BadPathname);
}

TEST_F(WinRegistry, CreateSaysWhetherItMadeTheKeyAndTheKeysAboveIt) {
  reg::Key key = 0;
  bool created = false;
  ASSERT_EQ(registry_.CreateKey(Root::CurrentUser, kSub, reg::kAllAccess, key, &created),
            Status::Success);
  EXPECT_TRUE(created);
  EXPECT_EQ(registry_.CloseKey(key), Status::Success);
  ASSERT_EQ(registry_.CreateKey(Root::CurrentUser, kSub, reg::kAllAccess, key, &created),
            Status::Success);
  EXPECT_FALSE(created);
  EXPECT_EQ(registry_.CloseKey(key), Status::Success);
  EXPECT_EQ(bench_->Get(Root::CurrentUser), testing_support::TKeyValues{});
}

TEST_F(WinRegistry, QueryGivesTypeAndSizeWithoutABuffer) {
  bench_->Put(Root::CurrentUser, {Text("s", "12345"), Dword("d", 30)});
  const reg::Key key = Open(Root::CurrentUser, reg::kRead);
  Type type = Type::None;
  std::uint32_t size = 0;
  EXPECT_EQ(registry_.QueryValue(key, "s", &type, nullptr, &size), Status::Success);
  EXPECT_EQ(type, Type::String);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(registry_.QueryValue(key, "D", &type, nullptr, &size), Status::Success);
  EXPECT_EQ(type, Type::Dword);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(registry_.QueryValue(key, "none", &type, nullptr, &size), Status::NotFound);
  EXPECT_EQ(registry_.CloseKey(key), Status::Success);
}

TEST_F(WinRegistry, QueryIntoAShortBufferIsMoreData) {
  bench_->Put(Root::CurrentUser, {Text("s", "12345"), Dword("d", 30)});
  const reg::Key key = Open(Root::CurrentUser, reg::kQueryValue);
  std::uint8_t buffer[6] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
  Type type = Type::None;
  std::uint32_t size = 4;
  EXPECT_EQ(registry_.QueryValue(key, "s", &type, buffer, &size), Status::MoreData);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(type, Type::String);
  EXPECT_EQ(registry_.QueryValue(key, "s", &type, buffer, &size), Status::Success);
  EXPECT_EQ(std::string(buffer, buffer + 6), std::string("12345", 6));
  size = 8;
  EXPECT_EQ(registry_.QueryValue(key, "d", nullptr, buffer, &size), Status::Success);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(buffer[0], 30);
  EXPECT_EQ(registry_.QueryValue(key, "d", nullptr, buffer, nullptr), Status::InvalidParameter);
  EXPECT_EQ(registry_.CloseKey(key), Status::Success);
}

TEST_F(WinRegistry, AccessRightsAreEnforced) {
  bench_->Put(Root::CurrentUser, {Dword("d", 30)});
  const std::uint8_t one[4] = {1, 0, 0, 0};
  const reg::Key reading = Open(Root::CurrentUser, reg::kRead);
  EXPECT_EQ(registry_.SetValue(reading, "d", Type::Dword, one, 4), Status::AccessDenied);
  const reg::Key writing = Open(Root::CurrentUser, reg::kSetValue);
  std::uint32_t size = 0;
  EXPECT_EQ(registry_.QueryValue(writing, "d", nullptr, nullptr, &size), Status::AccessDenied);
  EXPECT_EQ(registry_.SetValue(writing, "d", Type::Dword, one, 4), Status::Success);
  EXPECT_EQ(registry_.SetValue(writing, "e", Type::Binary, nullptr, 2), Status::InvalidParameter);
  EXPECT_EQ(registry_.CloseKey(reading), Status::Success);
  EXPECT_EQ(registry_.CloseKey(writing), Status::Success);
  EXPECT_EQ(bench_->Get(Root::CurrentUser), testing_support::TKeyValues{Dword("d", 1)});
}

// Each write is in the registry at once, before the key is closed.
TEST_F(WinRegistry, WritesReachTheRegistryAsTheyAreMade) {
  reg::Key key = 0;
  ASSERT_EQ(registry_.CreateKey(Root::CurrentUser, kSub, reg::kAllAccess, key), Status::Success);
  const std::uint8_t data[3] = {7, 8, 9};
  ASSERT_EQ(registry_.SetValue(key, "b", Type::Binary, data, 3), Status::Success);
  ASSERT_EQ(registry_.SetValue(key, "", static_cast<Type>(11), data, 1), Status::Success);
  EXPECT_EQ(bench_->Get(Root::CurrentUser),
            (testing_support::TKeyValues{Raw("", static_cast<Type>(11), {7}),
                                         Raw("b", Type::Binary, {7, 8, 9})}));
  EXPECT_EQ(registry_.CloseKey(key), Status::Success);
}

TEST_F(WinRegistry, TheMachineKeyIsWrittenByTheInstallerAndReadHere) {
  bench_->Put(Root::LocalMachine, {Text("AppPath", "C:\\Program Files\\Ardentree\\Gapwise")});
  const reg::Key key = Open(Root::LocalMachine, reg::kRead);
  char text[64] = {};
  std::uint32_t size = sizeof text;
  Type type = Type::None;
  EXPECT_EQ(
      registry_.QueryValue(key, "AppPath", &type, reinterpret_cast<std::uint8_t*>(text), &size),
      Status::Success);
  EXPECT_EQ(type, Type::String);
  EXPECT_EQ(std::string(text), "C:\\Program Files\\Ardentree\\Gapwise");
  EXPECT_EQ(size, 35u);
  EXPECT_EQ(registry_.CloseKey(key), Status::Success);
}

// Names and strings are UTF-8 on this side and UTF-16 in the registry, whatever the code page: a
// folder that the installer wrote reads as it is named, and a string written here reads right in
// any other program.
TEST_F(WinRegistry, StringsAreUtf8HereAndUtf16InTheRegistry) {
  const std::wstring folder = L"C:\\\u00DCbungen\\\u6570\\Gapwise";
  const std::string utf8 =
      "C:\\\xC3\x9C"
      "bungen\\\xE6\x95\xB0\\Gapwise";
  HKEY native = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ardentree\\Gapwise", 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &native, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(native, L"AppPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                 static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
  const reg::Key key = Open(Root::LocalMachine, reg::kAllAccess);
  std::uint32_t size = 0;
  ASSERT_EQ(registry_.QueryValue(key, "AppPath", nullptr, nullptr, &size), Status::Success);
  EXPECT_EQ(size, utf8.size() + 1);
  std::string text(size, '?');
  ASSERT_EQ(registry_.QueryValue(key, "AppPath", nullptr,
                                 reinterpret_cast<std::uint8_t*>(text.data()), &size),
            Status::Success);
  EXPECT_EQ(text, utf8 + '\0');

  const std::string name = "\xC3\xBC";  // a value named "ü"
  ASSERT_EQ(registry_.SetValue(key, name.c_str(), Type::String,
                               reinterpret_cast<const std::uint8_t*>(utf8.c_str()),
                               static_cast<std::uint32_t>(utf8.size() + 1)),
            Status::Success);
  wchar_t read[64] = {};
  DWORD bytes = sizeof read;
  EXPECT_EQ(
      RegQueryValueExW(native, L"\u00FC", nullptr, nullptr, reinterpret_cast<BYTE*>(read), &bytes),
      ERROR_SUCCESS);
  EXPECT_EQ(std::wstring(read), folder);
  EXPECT_EQ(bytes, (folder.size() + 1) * sizeof(wchar_t));
  RegCloseKey(native);
  EXPECT_EQ(registry_.CloseKey(key), Status::Success);
}

TEST_F(WinRegistry, AnUnreadableStoreIsNamedByItsKey) {
  EXPECT_EQ(registry_.DescribeUnreadable(Root::CurrentUser),
            "the registry key 'HKEY_CURRENT_USER'");
  reg::Key key = 0;
  registry_.OpenKey(Root::CurrentUser, kSub, reg::kRead, key);
  EXPECT_EQ(registry_.DescribeUnreadable(Root::CurrentUser),
            "the registry key 'HKEY_CURRENT_USER\\Software\\Ardentree\\Gapwise'");
  EXPECT_EQ(registry_.DescribeUnreadable(Root::LocalMachine),
            "the registry key 'HKEY_LOCAL_MACHINE'");
}

}  // namespace
}  // namespace gapwise
