// The Win32 backend's edit box: the key handler sees each character first, and the user types or
// pastes at most the maximum length.
#include "window_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/win32/toolkit_testing.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"

namespace gapwise::win32_test {
namespace {

struct TEditWindow {
  TForm window{nullptr, bsDialog};
  TEdit* edit = window.Make<TEdit>(TRect{104, 230, 33, 27});
  std::string seen;
  TEditWindow() {
    window.SetClientSize(204, 300);
    edit->SetMaxLength(3);
    // The options dialog's filter: digits and Backspace pass, "a" becomes "4", the rest code 17.
    edit->OnKeyPress = [this](char& key) {
      seen += key;
      if (key == 'a') {
        key = '4';
      } else if (key != 8 && (key < '0' || key > '9')) {
        key = 17;
      }
    };
    window.Show();
    edit->SetFocus();
  }
  void Type(const std::string& text) {
    for (const char c : text) {
      PostMessageW(H(*edit), WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    win32::ProcessMessages();
  }
};

void SetClipboard(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::size_t size = std::strlen(text) + 1;
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), text, size);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

TEST(Edit, TheKeyHandlerSeesEachCharacterFirstAndCode17IsNotInserted) {
  TEditWindow box;
  box.Type("x5-a");
  EXPECT_EQ(box.edit->Text(), "54");
  EXPECT_EQ(box.seen, "x5-a");
  box.Type("\b");
  EXPECT_EQ(box.edit->Text(), "5");
}

TEST(Edit, TheUserTypesAtMostMaxLengthCharacters) {
  TEditWindow box;
  box.Type("1234");
  EXPECT_EQ(box.edit->Text(), "123");
}

TEST(Edit, CtrlVArrivesAsCharacter22AndTheFilterDropsIt) {
  TEditWindow box;
  SetClipboard("99");
  box.Type("\x16");
  EXPECT_EQ(box.edit->Text(), "");
  EXPECT_EQ(box.seen, "\x16");
}

TEST(Edit, APasteIsLimitedButTextSetByTheProgramIsNot) {
  TEditWindow box;
  SetClipboard("98765");
  SendMessageW(H(*box.edit), WM_PASTE, 0, 0);
  EXPECT_EQ(box.edit->Text(), "987");
  box.edit->SetText("12345");
  EXPECT_EQ(box.edit->Text(), "12345");
  SendMessageW(H(*box.edit), EM_SETSEL, 5, 5);  // the caret at the end
  box.Type("\b");
  EXPECT_EQ(box.edit->Text(), "1234");  // shortening a longer text is allowed
  box.Type("9");
  EXPECT_EQ(box.edit->Text(), "1234");  // lengthening it is not
}

}  // namespace
}  // namespace gapwise::win32_test
