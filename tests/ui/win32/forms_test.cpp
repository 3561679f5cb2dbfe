// The Win32 backend's forms: modal forms and their owners, the frames of a main window and a
// dialog, labels that size themselves, labels that a panel draws, and hints.
#include "window_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/win32/toolkit_testing.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/timer.h"

namespace gapwise::win32_test {
namespace {

// ----- labels that a panel draws ------------------------------------------------------------

// The red pixels of the window's client area as it paints itself (WM_PRINTCLIENT): their box.
RECT RedIn(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  const HGDIOBJ before = SelectObject(dc, bitmap);
  SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  RECT red{client.right, client.bottom, 0, 0};
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      if (GetRValue(c) < 180 || GetGValue(c) > 110 || GetBValue(c) > 110) continue;
      red = RECT{std::min<LONG>(red.left, x), std::min<LONG>(red.top, y),
                 std::max<LONG>(red.right, x + 1), std::max<LONG>(red.bottom, y + 1)};
    }
  }
  SelectObject(dc, before);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return red;
}

// A panel read as one text before its controls are made draws them itself, panels within it
// included: no window of their own, each drawn at its place, hidden ones not.
TEST(DrawnLabels, APanelReadAsOneTextDrawsItsControls) {
  TForm form(nullptr, bsSingle);
  form.SetClientSize(257, 389);
  auto* panel = form.Make<TPanel>(TRect{0, 0, 169, 209}, clWhite);
  panel->SetReading("", "");
  auto* inner = panel->Make<TPanel>(TRect{0, 0, 169, 209}, clWhite);
  auto* mask = inner->Make<TColumnLabel>(TRect{72, 24, 10, 23});
  mask->SetFont(TFont{"Times New Roman", 18, fsRegular, clRed});
  mask->SetColor(clWhite);
  mask->SetColumns("??", {0, 11}, 11);
  form.Show();
  win32::ProcessMessages();
  EXPECT_EQ(H(*inner), nullptr);
  EXPECT_EQ(H(*mask), nullptr);
  const RECT red = RedIn(H(*panel));
  EXPECT_GE(red.left, 72);
  EXPECT_LE(red.right, 82);  // clipped to its box
  EXPECT_GE(red.top, 24);
  EXPECT_LE(red.bottom, 47);
  mask->SetBounds(TRect{20, 100, 10, 23});
  EXPECT_GE(RedIn(H(*panel)).top, 100);
  mask->Hide();
  EXPECT_EQ(RedIn(H(*panel)).right, 0);
}

// ----- modal forms ---------------------------------------------------------------------------

// The owner and the dialog as a timer of the modal loop sees them.
struct TWhileOpen {
  int ticks = 0;
  bool ownerEnabled = true;
  bool dialogShown = false;
  RECT ownerFrame{};
  RECT dialogFrame{};

  void Look(const TForm& owner, const TForm& dialog) {
    ownerEnabled = IsWindowEnabled(H(owner)) != FALSE;
    dialogShown = IsWindowVisible(H(dialog)) != FALSE;
    GetWindowRect(H(owner), &ownerFrame);
    GetWindowRect(H(dialog), &dialogFrame);
  }
};

TEST(ModalForm, OwnerDisabledTimerTickingCentredOverItsOwnerReturnsWhenClosed) {
  TForm owner(nullptr, bsSingle);
  owner.SetClientSize(257, 389);
  owner.MoveTo(300, 150);
  owner.Show();
  TForm dialog(&owner, bsDialog);
  dialog.SetCaption("Info");
  dialog.SetClientSize(231, 254);
  dialog.SetPosition(poOwnerFormCenter);
  TTimer timer(30);
  TWhileOpen seen;
  timer.OnTimer = [&] {
    if (++seen.ticks != 3) return;
    seen.Look(owner, dialog);
    PostMessageW(H(dialog), WM_CLOSE, 0, 0);  // the title bar's close button
  };
  dialog.ShowModal();
  EXPECT_GE(seen.ticks, 3);
  EXPECT_FALSE(seen.ownerEnabled);
  EXPECT_TRUE(seen.dialogShown);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(IsWindowVisible(H(dialog)));
  EXPECT_TRUE(IsWindowEnabled(H(owner)));
  const RECT& o = seen.ownerFrame;
  const RECT& d = seen.dialogFrame;
  EXPECT_NEAR((o.left + o.right) / 2.0, (d.left + d.right) / 2.0, 1.0);
  EXPECT_NEAR((o.top + o.bottom) / 2.0, (d.top + d.bottom) / 2.0, 1.0);
}

TEST(ModalForm, CloseFromAButtonEndsTheLoop) {
  TForm owner(nullptr, bsSingle);
  owner.SetClientSize(200, 200);
  owner.Show();
  TForm dialog(&owner, bsDialog);
  dialog.SetClientSize(100, 80);
  auto* ok = dialog.Make<TButton>(TRect{10, 10, 60, 25}, "OK");
  ok->OnClick = [&] { dialog.Close(); };
  TTimer timer(30);
  timer.OnTimer = [&] { PostMessageW(H(*ok), BM_CLICK, 0, 0); };
  dialog.ShowModal();
  EXPECT_FALSE(IsWindowVisible(H(dialog)));
}

// ----- frames --------------------------------------------------------------------------------

TEST(Frame, MainWindowClientAreaPositionAndTitleBarButtons) {
  TForm form(nullptr, bsSingle);
  form.SetCaption("Gapwise");
  form.SetClientSize(257, 389);
  form.MoveTo(372, 171);
  form.Show();
  RECT client;
  GetClientRect(H(form), &client);
  EXPECT_EQ(client.right, 257);
  EXPECT_EQ(client.bottom, 389);
  RECT frame;
  GetWindowRect(H(form), &frame);
  EXPECT_EQ(frame.left, 372);
  EXPECT_EQ(frame.top, 171);
  EXPECT_EQ(TextOf(H(form)), "Gapwise");
  const LONG style = GetWindowLongW(H(form), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
}

TEST(Frame, DialogHasATitleBarAndCloseOnly) {
  TForm owner(nullptr, bsSingle);
  TForm dialog(&owner, bsDialog);
  dialog.SetClientSize(204, 390);
  RECT client;
  GetClientRect(H(dialog), &client);
  EXPECT_EQ(client.right, 204);
  EXPECT_EQ(client.bottom, 390);
  const LONG style = GetWindowLongW(H(dialog), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_EQ(GetWindow(H(dialog), GW_OWNER), H(owner));
}

TEST(Frame, LabelsSizeThemselvesToTheirTextInTimesNewRoman) {
  TForm form(nullptr, bsSingle);
  form.SetFont(FontOf(16));
  auto* bold = form.Make<TLabel>(TRect{16, 24, 0, 19}, "Right :", true);
  bold->SetFont(FontOf(16, fsBold));
  auto* plain = form.Make<TLabel>(TRect{144, 230, 0, 19}, "secs", true);
  // The designed widths (Times New Roman, or a face with its metrics such as Liberation Serif).
  EXPECT_NEAR(bold->Width(), 46, 2);
  EXPECT_NEAR(plain->Width(), 26, 2);
}

BOOL CALLBACK FindTooltip(HWND hwnd, LPARAM found) {
  if (ClassOf(hwnd) == "tooltips_class32") *reinterpret_cast<HWND*>(found) = hwnd;
  return TRUE;
}

TEST(Frame, AHintIsShownByTheFormsTooltip) {
  TForm form(nullptr, bsSingle);
  form.SetClientSize(231, 254);
  auto* label = form.Make<TLabel>(TRect{16, 140, 0, 19}, "internet site:  www.ardentree.eu", true);
  label->SetHint("internet site:  www.ardentree.eu");
  HWND tooltip = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&tooltip));
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(GetWindow(tooltip, GW_OWNER), H(form));
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
  // The label is drawn by the form: its tool is its box there.
  wchar_t text[256] = {};
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.lpszText = text;
  ASSERT_TRUE(SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(std::wstring(text), L"internet site:  www.ardentree.eu");
  EXPECT_EQ(tool.hwnd, H(form));
  EXPECT_EQ(tool.rect.left, 16);
  EXPECT_EQ(tool.rect.top, 140);
  EXPECT_EQ(tool.rect.right - tool.rect.left, label->Width());
  label->SetLeft(20);
  ASSERT_TRUE(SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(tool.rect.left, 20);
  label->SetHint("");
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

}  // namespace
}  // namespace gapwise::win32_test
