#include <sys/stat.h>

#include "hive_fixture.h"
#include "settings/registry.h"

namespace gapwise {
namespace {

using testing_support::HiveTest;
using testing_support::kMachineKey;
using testing_support::kRowName;
using testing_support::kUserKey;
using testing_support::ReadFile;
using testing_support::Reg;
using testing_support::WriteFile;

constexpr const char* kSub = "Software\\Ardentree\\Gapwise";

class RegistryTest : public HiveTest {
 protected:
  void SetUp() override {
    HiveTest::SetUp();
    registry_ = TRegistry(paths_);
    WriteFile(UserFile(), Reg({kUserKey, R"("s"="12345")", R"("d"=dword:0000001e)"}));
    WriteFile(MachineFile(), Reg({kMachineKey, R"("AppPath"="/x")"}));
  }
  HKEY Open(HKEY root, REGSAM access) {
    HKEY key = 0;
    EXPECT_EQ(registry_.RegOpenKeyEx(root, kSub, 0, access, &key), ERROR_SUCCESS);
    return key;
  }
  TRegistry registry_{{}};
};

TEST_F(RegistryTest, QueryGivesTypeAndSizeWithoutABuffer) {
  const HKEY key = Open(HKEY_CURRENT_USER, KEY_READ);
  DWORD type = 0, size = 0;
  EXPECT_EQ(registry_.RegQueryValueEx(key, "s", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(registry_.RegQueryValueEx(key, "none", nullptr, &type, nullptr, &size),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(registry_.RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(registry_.RegCloseKey(key), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryTest, QueryIntoAShortBufferIsMoreData) {
  const HKEY key = Open(HKEY_CURRENT_USER, KEY_QUERY_VALUE);
  std::uint8_t buffer[6] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
  DWORD type = 0, size = 4;
  EXPECT_EQ(registry_.RegQueryValueEx(key, "s", nullptr, &type, buffer, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(registry_.RegQueryValueEx(key, "s", nullptr, &type, buffer, &size), ERROR_SUCCESS);
  EXPECT_EQ(std::string(buffer, buffer + 6), std::string("12345", 6));
  size = 8;
  EXPECT_EQ(registry_.RegQueryValueEx(key, "d", nullptr, nullptr, buffer, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(buffer[0], 0x1e);
  EXPECT_EQ(registry_.RegQueryValueEx(key, "d", nullptr, nullptr, buffer, nullptr),
            ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, AccessRightsAreEnforced) {
  HKEY key = 0;
  EXPECT_EQ(registry_.RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSub, 0, KEY_ALL_ACCESS, &key),
            ERROR_ACCESS_DENIED);
  EXPECT_EQ(registry_.RegCreateKeyEx(HKEY_LOCAL_MACHINE, kSub, 0, nullptr, 0, KEY_ALL_ACCESS,
                                     nullptr, &key, nullptr),
            ERROR_ACCESS_DENIED);
  const HKEY reading = Open(HKEY_CURRENT_USER, KEY_READ);
  const std::uint8_t one[4] = {1, 0, 0, 0};
  EXPECT_EQ(registry_.RegSetValueEx(reading, "d", 0, REG_DWORD, one, 4), ERROR_ACCESS_DENIED);
  const HKEY writing = Open(HKEY_CURRENT_USER, KEY_SET_VALUE);
  DWORD size = 0;
  EXPECT_EQ(registry_.RegQueryValueEx(writing, "d", nullptr, nullptr, nullptr, &size),
            ERROR_ACCESS_DENIED);
  EXPECT_EQ(registry_.RegOpenKeyEx(HKEY_CURRENT_USER, "\\Software", 0, KEY_READ, &key),
            ERROR_BAD_PATHNAME);
}

// The file changes once, at the close, and keeps what the key did not write.
TEST_F(RegistryTest, AKeySeesItsOwnWritesAndTheyReachTheFileWhenItCloses) {
  const std::string before = ReadFile(UserFile());
  HKEY key = 0;
  DWORD disposition = 0;
  ASSERT_EQ(registry_.RegCreateKeyEx(HKEY_CURRENT_USER, kSub, 0, nullptr, 0, KEY_ALL_ACCESS,
                                     nullptr, &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
  const std::uint8_t data[2] = {7, 8};
  ASSERT_EQ(registry_.RegSetValueEx(key, "s", 0, REG_BINARY, data, 2), ERROR_SUCCESS);
  ASSERT_EQ(registry_.RegSetValueEx(key, "n", 0, REG_BINARY, data, 1), ERROR_SUCCESS);
  EXPECT_EQ(registry_.RegSetValueEx(key, "bad\nname", 0, REG_BINARY, data, 2),
            ERROR_INVALID_PARAMETER);
  DWORD type = 0, size = 0;
  EXPECT_EQ(registry_.RegQueryValueEx(key, "S", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_BINARY);
  EXPECT_EQ(size, 2u);
  EXPECT_EQ(ReadFile(UserFile()), before);
  EXPECT_EQ(registry_.RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(ReadFile(UserFile()),
            Reg({kUserKey, R"("s"=hex:07,08)", R"("d"=dword:0000001e)", R"("n"=hex:07)"}));
}

TEST_F(RegistryTest, CreateMakesTheFolderFileAndKeyWhenItCloses) {
  std::filesystem::remove_all(UserFile().parent_path().parent_path());
  HKEY key = 0;
  DWORD disposition = 0;
  ASSERT_EQ(registry_.RegCreateKeyEx(HKEY_CURRENT_USER, kSub, 0, nullptr, 0, KEY_ALL_ACCESS,
                                     nullptr, &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
  EXPECT_FALSE(std::filesystem::exists(UserFile()));
  EXPECT_EQ(registry_.RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(ReadFile(UserFile()), Reg({kUserKey, ""}));
}

struct OpenCase {
  const char* Name;
  std::function<void(const std::filesystem::path&)> Prepare;  // given the user hive's path
  LONG Expected;
};

const OpenCase kOpenCases[] = {
    {"Missing", [](const auto& p) { std::filesystem::remove(p); }, ERROR_FILE_NOT_FOUND},
    {"OtherKeyOnly", [](const auto& p) { WriteFile(p, Reg({"[HKEY_CURRENT_USER\\Software]"})); },
     ERROR_FILE_NOT_FOUND},
    {"Unparseable", [](const auto& p) { WriteFile(p, "REGEDIT4\r\nxyz\r\n"); }, ERROR_BADDB},
    {"Folder",
     [](const auto& p) {
       std::filesystem::remove(p);
       std::filesystem::create_directory(p);
     },
     ERROR_BADDB},
    {"Fifo",
     [](const auto& p) {
       std::filesystem::remove(p);
       ::mkfifo(p.c_str(), 0600);
     },
     ERROR_BADDB},
};

class RegistryOpen : public RegistryTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(RegistryOpen, KeysThatDoNotOpen) {
  GetParam().Prepare(UserFile());
  HKEY key = 0;
  EXPECT_EQ(registry_.RegOpenKeyEx(HKEY_CURRENT_USER, kSub, 0, KEY_READ, &key),
            GetParam().Expected);
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Rows, RegistryOpen, ::testing::ValuesIn(kOpenCases), kRowName);

}  // namespace
}  // namespace gapwise
