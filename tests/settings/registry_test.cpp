#include <sys/stat.h>

#include "hive_fixture.h"
#include "settings/hive/hive_registry.h"

namespace gapwise {
namespace {

using testing_support::HiveTest;
using testing_support::kMachineKey;
using testing_support::kRowName;
using testing_support::kUserKey;
using testing_support::ReadFile;
using testing_support::Reg;
using testing_support::WriteFile;

using reg::Root;
using reg::Status;
using reg::Type;

constexpr const char* kSub = "Software\\Ardentree\\Gapwise";

class RegistryTest : public HiveTest {
 protected:
  void SetUp() override {
    HiveTest::SetUp();
    registry_ = THiveRegistry(paths_);
    WriteFile(UserFile(), Reg({kUserKey, R"("s"="12345")", R"("d"=dword:0000001e)"}));
    WriteFile(MachineFile(), Reg({kMachineKey, R"("AppPath"="/x")"}));
  }
  reg::Key Open(Root root, reg::Access access) {
    reg::Key key = 0;
    EXPECT_EQ(registry_.OpenKey(root, kSub, access, key), Status::Success);
    return key;
  }
  THiveRegistry registry_{{}};
};

TEST_F(RegistryTest, QueryGivesTypeAndSizeWithoutABuffer) {
  const reg::Key key = Open(Root::CurrentUser, reg::kRead);
  Type type = Type::None;
  std::uint32_t size = 0;
  EXPECT_EQ(registry_.QueryValue(key, "s", &type, nullptr, &size), Status::Success);
  EXPECT_EQ(type, Type::String);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(registry_.QueryValue(key, "none", &type, nullptr, &size), Status::NotFound);
  EXPECT_EQ(registry_.CloseKey(key), Status::Success);
  EXPECT_EQ(registry_.CloseKey(key), Status::InvalidHandle);
}

TEST_F(RegistryTest, QueryIntoAShortBufferIsMoreData) {
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
  EXPECT_EQ(buffer[0], 0x1e);
  EXPECT_EQ(registry_.QueryValue(key, "d", nullptr, buffer, nullptr), Status::InvalidParameter);
}

TEST_F(RegistryTest, AccessRightsAreEnforced) {
  reg::Key key = 0;
  EXPECT_EQ(registry_.OpenKey(Root::LocalMachine, kSub, reg::kAllAccess, key),
            Status::AccessDenied);
  EXPECT_EQ(registry_.CreateKey(Root::LocalMachine, kSub, reg::kAllAccess, key),
            Status::AccessDenied);
  const reg::Key reading = Open(Root::CurrentUser, reg::kRead);
  const std::uint8_t one[4] = {1, 0, 0, 0};
  EXPECT_EQ(registry_.SetValue(reading, "d", Type::Dword, one, 4), Status::AccessDenied);
  const reg::Key writing = Open(Root::CurrentUser, reg::kSetValue);
  std::uint32_t size = 0;
  EXPECT_EQ(registry_.QueryValue(writing, "d", nullptr, nullptr, &size), Status::AccessDenied);
  EXPECT_EQ(registry_.OpenKey(Root::CurrentUser, "\\Software", reg::kRead, key),
            Status::BadPathname);
}

// The file changes once, at the close, and keeps what the key did not write.
TEST_F(RegistryTest, AKeySeesItsOwnWritesAndTheyReachTheFileWhenItCloses) {
  const std::string before = ReadFile(UserFile());
  reg::Key key = 0;
  bool created = true;
  ASSERT_EQ(registry_.CreateKey(Root::CurrentUser, kSub, reg::kAllAccess, key, &created),
            Status::Success);
  EXPECT_FALSE(created);
  const std::uint8_t data[2] = {7, 8};
  ASSERT_EQ(registry_.SetValue(key, "s", Type::Binary, data, 2), Status::Success);
  ASSERT_EQ(registry_.SetValue(key, "n", Type::Binary, data, 1), Status::Success);
  EXPECT_EQ(registry_.SetValue(key, "bad\nname", Type::Binary, data, 2), Status::InvalidParameter);
  Type type = Type::None;
  std::uint32_t size = 0;
  EXPECT_EQ(registry_.QueryValue(key, "S", &type, nullptr, &size), Status::Success);
  EXPECT_EQ(type, Type::Binary);
  EXPECT_EQ(size, 2u);
  EXPECT_EQ(ReadFile(UserFile()), before);
  EXPECT_EQ(registry_.CloseKey(key), Status::Success);
  EXPECT_EQ(ReadFile(UserFile()),
            Reg({kUserKey, R"("s"=hex:07,08)", R"("d"=dword:0000001e)", R"("n"=hex:07)"}));
}

TEST_F(RegistryTest, CreateMakesTheFolderFileAndKeyWhenItCloses) {
  std::filesystem::remove_all(UserFile().parent_path().parent_path());
  reg::Key key = 0;
  bool created = false;
  ASSERT_EQ(registry_.CreateKey(Root::CurrentUser, kSub, reg::kAllAccess, key, &created),
            Status::Success);
  EXPECT_TRUE(created);
  EXPECT_FALSE(std::filesystem::exists(UserFile()));
  EXPECT_EQ(registry_.CloseKey(key), Status::Success);
  EXPECT_EQ(ReadFile(UserFile()), Reg({kUserKey, ""}));
}

struct OpenCase {
  const char* Name;
  std::function<void(const std::filesystem::path&)> Prepare;  // given the user hive's path
  Status Expected;
};

const OpenCase kOpenCases[] = {
    {"Missing", [](const auto& p) { std::filesystem::remove(p); }, Status::NotFound},
    {"OtherKeyOnly", [](const auto& p) { WriteFile(p, Reg({"[Root::CurrentUser\\Software]"})); },
     Status::NotFound},
    {"Unparseable", [](const auto& p) { WriteFile(p, "REGEDIT4\r\nxyz\r\n"); },
     Status::BadDatabase},
    {"Folder",
     [](const auto& p) {
       std::filesystem::remove(p);
       std::filesystem::create_directory(p);
     },
     Status::BadDatabase},
    {"Fifo",
     [](const auto& p) {
       std::filesystem::remove(p);
       ::mkfifo(p.c_str(), 0600);
     },
     Status::BadDatabase},
};

class RegistryOpen : public RegistryTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(RegistryOpen, KeysThatDoNotOpen) {
  GetParam().Prepare(UserFile());
  reg::Key key = 0;
  EXPECT_EQ(registry_.OpenKey(Root::CurrentUser, kSub, reg::kRead, key), GetParam().Expected);
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Rows, RegistryOpen, ::testing::ValuesIn(kOpenCases), kRowName);

}  // namespace
}  // namespace gapwise
