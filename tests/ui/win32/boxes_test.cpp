// The Win32 backend's message boxes (read and closed through a CBT hook) beyond the toolkit's
// contract, an error that escapes a tick, and the services: the file test and the seed.
#include "window_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/timer.h"

namespace gapwise::win32_test {
namespace {

// ----- message boxes -------------------------------------------------------------------------

class MessageBoxKeys : public testing::TestWithParam<UINT> {};

TEST_P(MessageBoxKeys, TitleTextOneOkNoIconAndTheKeyClosesIt) {
  TBoxWatcher watcher(GetParam());
  const auto start = Clock::now();
  ShowMessage(nullptr, "The answer is 05");
  ASSERT_EQ(watcher.seen.size(), 1u);
  const TSeenBox& box = watcher.seen[0];
  EXPECT_EQ(box.title, "Gapwise");
  EXPECT_EQ(box.text, "The answer is 05");
  EXPECT_FALSE(box.icon);
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(box.centred);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(4)) << "the key did not close the box";
}

INSTANTIATE_TEST_SUITE_P(EnterAndEsc, MessageBoxKeys, testing::Values(VK_RETURN, VK_ESCAPE));

TEST(Message, ItsOwnerTakesNoInputWhileItIsOpen) {
  TForm form(nullptr, bsSingle);
  form.SetClientSize(200, 100);
  form.Show();
  TBoxWatcher watcher;
  ShowMessage(&form, "File missing");
  ASSERT_EQ(watcher.seen.size(), 1u);
  EXPECT_FALSE(watcher.seen[0].ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(H(form)));
}

TEST(ErrorBox, AnErrorInATickIsShownAndTheTimerGoesOn) {
  TBoxWatcher watcher;
  TTimer timer(20);
  int ticks = 0;
  timer.OnTimer = [&] {
    if (++ticks <= 2) throw std::runtime_error("Failed to set data for 'ops'");
  };
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 4; }));
  EXPECT_EQ(watcher.seen.size(), 2u);
}

// ----- services ------------------------------------------------------------------------------

// In a folder whose name is not ASCII (UTF-8 here, as every text of the program): the file test
// finds files, not folders, and the shell opens a file there (a script that leaves a mark).
TEST(Services, TheFileTestAndTheShellTakeAnyFolderName) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"gapwise-\u00DCbung-\u6570";
  const std::string utf8 = win32::Utf8(folder);
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::string file = PathIn(utf8, "gapwise.cmd");
  EXPECT_EQ(file.substr(file.size() - 12), "\\gapwise.cmd");
  if (FILE* out = _wfopen((folder + L"\\gapwise.cmd").c_str(), L"wb")) {
    std::fputs("@echo opened> \"%~dp0opened.txt\"\r\n", out);
    std::fclose(out);
  }
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(utf8));
  EXPECT_FALSE(FileExists(PathIn(utf8, "missing.chm")));
  ShellOpen(nullptr, file);
  EXPECT_TRUE(PumpUntil([&] { return FileExists(PathIn(utf8, "opened.txt")); }));
  // The shell's command processor may still hold the script for a moment.
  EXPECT_TRUE(PumpUntil([&] {
    DeleteFileW((folder + L"\\gapwise.cmd").c_str());
    return !FileExists(file);
  }));
  DeleteFileW((folder + L"\\opened.txt").c_str());
  RemoveDirectoryW(folder.c_str());
}

TEST(Services, TheSeedIsTheCountersLowBits) {
  LARGE_INTEGER before;
  QueryPerformanceCounter(&before);
  const std::uint32_t seed = SystemSeed();
  LARGE_INTEGER after;
  QueryPerformanceCounter(&after);
  EXPECT_LE(seed - before.LowPart, after.LowPart - before.LowPart);
}

}  // namespace
}  // namespace gapwise::win32_test
