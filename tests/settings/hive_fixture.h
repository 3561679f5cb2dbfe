// A scratch folder per test holding a user hive and a machine hive, hive text builders, and a
// file system that fails or stops the process at a chosen call.
#pragma once

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "settings/hive/hive_registry.h"
#include "tests/settings/row_names.h"

namespace gapwise::testing_support {

// Runs body in a child process and gives its wait status: exit code 1 when an expectation in it
// failed, else 0.
inline int StatusOfChild(const std::function<void()>& body) {
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    body();
    std::fflush(nullptr);
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = -1;
  ::waitpid(child, &status, 0);
  return status;
}

// Counts its calls by name; at call number At it fails the call, or stops the process there as
// SIGKILL would.
class TFaultyFileSystem : public THiveFileSystem {
 public:
  enum TFault { kFail, kKill };
  explicit TFaultyFileSystem(int at = 0, TFault fault = kFail) : at_(at), fault_(fault) {}
  const std::vector<std::string>& Calls() const { return calls_; }

 protected:
  bool Allow(const char* call) override {
    calls_.emplace_back(call);
    if (static_cast<int>(calls_.size()) != at_) return true;
    if (fault_ == kKill) ::kill(::getpid(), SIGKILL);
    return false;
  }

 private:
  int at_;
  TFault fault_;
  std::vector<std::string> calls_;
};

// So that root too meets the modes of files and folders.
inline void DropFileCapabilities() {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2] = {};
  ASSERT_EQ(::syscall(SYS_capget, &header, data), 0);
  for (const unsigned cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
    data[cap / 32].effective &= ~(1u << (cap % 32));
    data[cap / 32].permitted &= ~(1u << (cap % 32));
  }
  ASSERT_EQ(::syscall(SYS_capset, &header, data), 0);
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// REGEDIT4 text with CRLF line ends: the header, a blank line, then the lines given.
inline std::string Reg(std::initializer_list<std::string_view> lines) {
  std::string text = "REGEDIT4\r\n\r\n";
  for (const std::string_view line : lines) (text += line) += "\r\n";
  return text;
}

inline constexpr std::string_view kUserKey = "[HKEY_CURRENT_USER\\Software\\Ardentree\\Gapwise]";
inline constexpr std::string_view kMachineKey =
    "[HKEY_LOCAL_MACHINE\\Software\\Ardentree\\Gapwise]";

class HiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "gapwise-hive-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    paths_ = {(dir_ / "config/gapwise/registry.reg").string(),
              (dir_ / "share/gapwise/machine.reg").string()};
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::filesystem::path UserFile() const { return paths_.CurrentUser; }
  std::filesystem::path MachineFile() const { return paths_.LocalMachine; }
  // The files in the user hive's folder, to spot a temporary file left behind.
  std::size_t FilesBesideUserHive() const {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(UserFile().parent_path())) {
      ++count;
    }
    return count;
  }

  std::filesystem::path dir_;
  THivePaths paths_;
};

}  // namespace gapwise::testing_support
