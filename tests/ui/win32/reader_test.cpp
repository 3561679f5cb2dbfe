// What a screen reader reads of the Win32 backend's windows through MSAA, and the spoken notices.
#include "window_support.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/win32/toolkit_testing.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/win32/accessibility.h"

namespace gapwise::win32_test {
namespace {

// Wine's oleacc reads the system's controls as plain clients (ROLE_SYSTEM_CLIENT); Windows'
// reads a push button as one.
bool OnWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

class TComInit {
 public:
  TComInit() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~TComInit() { CoUninitialize(); }
};

// The client object of a window, as a screen reader gets it (WM_GETOBJECT through oleacc).
struct TRead {
  std::string name;
  std::string description;
  std::string value;
  long role = 0;
  long state = 0;
  long children = -1;
};

std::string Narrow(BSTR text) {
  if (text == nullptr) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), length, nullptr, nullptr);
  narrow.resize(narrow.size() - 1);
  SysFreeString(text);
  return narrow;
}

TRead Read(IAccessible* object, long id = CHILDID_SELF) {
  TRead read;
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = id;
  BSTR text = nullptr;
  if (object->get_accName(self, &text) == S_OK) read.name = Narrow(text);
  text = nullptr;
  if (object->get_accDescription(self, &text) == S_OK) read.description = Narrow(text);
  text = nullptr;
  if (object->get_accValue(self, &text) == S_OK) read.value = Narrow(text);
  VARIANT result;
  VariantInit(&result);
  if (object->get_accRole(self, &result) == S_OK && result.vt == VT_I4) read.role = result.lVal;
  VariantInit(&result);
  if (object->get_accState(self, &result) == S_OK && result.vt == VT_I4) read.state = result.lVal;
  if (id == CHILDID_SELF) object->get_accChildCount(&read.children);
  return read;
}

TRead Read(HWND hwnd, long id = CHILDID_SELF) {
  IAccessible* object = nullptr;
  const GUID iid = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
  if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), iid,
                                        reinterpret_cast<void**>(&object))) ||
      object == nullptr) {
    ADD_FAILURE() << "no accessible object for " << ClassOf(hwnd);
    return {};
  }
  const TRead read = Read(object, id);
  object->Release();
  return read;
}

// A drawn control (a label) is read as a part of the window that draws it.
TRead ReadPart(const TControl& control) {
  const win32::TNativePart part = win32::NativePart(control);
  if (part.Window == nullptr || part.Id == 0) {
    ADD_FAILURE() << "no part for " << control.Name();
    return {};
  }
  return Read(static_cast<HWND>(part.Window), part.Id);
}

// The window of the main window's kinds of control, named as the main window names them.
struct TReadWindow {
  TForm window{nullptr, bsSingle};
  TPanel* panel;
  TLabel* inside;
  TButton* check;
  TLabel* right;
  TStaticText* answer;
  TRadioGroup* group;
  TEdit* edit;
  TReadWindow() {
    window.SetCaption("Gapwise");
    window.SetClientSize(257, 389);
    panel = window.Make<TPanel>(TRect{0, 0, 169, 209}, clWhite);
    inside = panel->Make<TLabel>(TRect{56, 24, 49, 25}, "3?5", false, taRightJustify);
    check = window.Make<TButton>(TRect{184, 216, 65, 25}, "Check");
    right = window.Make<TLabel>(TRect{80, 232, 49, 17}, "0", false, taRightJustify);
    answer = window.Make<TStaticText>(TRect{192, 88, 35, 30});
    group = window.Make<TRadioGroup>(TRect{168, 0, 89, 209});
    edit = window.Make<TEdit>(TRect{10, 300, 40, 24});
  }
  // Captions and names as the main window gives them.
  void Name() {
    right->SetAccessibleTitle("Right");
    right->SetCaption("3");
    answer->SetAccessibleName("Answer");
    answer->SetCaption("4");
    group->SetCaption(" ?? is : ");
    group->SetItems({"12", "21"});
    edit->SetAccessibleName("Time limit in seconds");
  }
};

TEST(Reader, ControlsCarryTheirCaptionsAndTheNamesTheProgramGives) {
  TComInit com;
  TReadWindow form;
  form.Name();
  form.window.Show();
  win32::ProcessMessages();

  EXPECT_EQ(Read(H(*form.check)).name, "Check");
  if (!OnWine()) {
    EXPECT_EQ(Read(H(*form.check)).role, ROLE_SYSTEM_PUSHBUTTON);
  }
  EXPECT_EQ(ReadPart(*form.right).name, "Right: 3");
  EXPECT_EQ(ReadPart(*form.right).role, ROLE_SYSTEM_STATICTEXT);
  EXPECT_EQ(Read(H(form.window)).children, 6);  // five windows and the label
  const TRead answer = Read(H(*form.answer));
  EXPECT_EQ(answer.name, "Answer");
  EXPECT_EQ(answer.value, "4");
  EXPECT_EQ(answer.role, ROLE_SYSTEM_TEXT);
  EXPECT_TRUE(answer.state & STATE_SYSTEM_READONLY);
  const TRead group = Read(H(*form.group));
  EXPECT_EQ(group.name, "?? is :");
  EXPECT_EQ(group.role, ROLE_SYSTEM_GROUPING);
  EXPECT_EQ(Read(Item(*form.group, 1)).name, "21");
  if (!OnWine()) {
    EXPECT_EQ(Read(Item(*form.group, 1)).role, ROLE_SYSTEM_RADIOBUTTON);
  }
  EXPECT_EQ(Read(H(*form.edit)).name, "Time limit in seconds");
  EXPECT_EQ(Read(H(*form.edit)).role, ROLE_SYSTEM_TEXT);
  form.group->SetAccessibleName("question mark question mark is");
  EXPECT_EQ(Read(H(*form.group)).name, "question mark question mark is");
}

TEST(Reader, APanelWithAReadingIsOneTextItsControlsHidden) {
  TComInit com;
  TReadWindow form;
  form.window.Show();
  EXPECT_FALSE(ReadPart(*form.inside).state & STATE_SYSTEM_INVISIBLE);
  form.panel->SetReading("3 question mark 5 plus 78 equals 423",
                         "one digit is missing in the first number");
  const TRead panel = Read(H(*form.panel));
  EXPECT_EQ(panel.name, "3 question mark 5 plus 78 equals 423");
  EXPECT_EQ(panel.description, "one digit is missing in the first number");
  EXPECT_EQ(panel.role, ROLE_SYSTEM_STATICTEXT);
  EXPECT_EQ(panel.children, 0);
  EXPECT_EQ(win32::NativePart(*form.inside).Window, nullptr);
}

// WinEvents as a screen reader that listens out of context gets them.
class TEventListener {
 public:
  TEventListener() {
    current_ = this;
    hook_ = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_OBJECT_NAMECHANGE, nullptr, Event,
                            GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  }
  ~TEventListener() {
    UnhookWinEvent(hook_);
    current_ = nullptr;
  }
  struct TSeen {
    DWORD event;
    HWND hwnd;
    std::string name;
  };
  std::vector<TSeen> seen;

  // The events seen of objects by that name.
  std::vector<TSeen> Named(const std::string& name) const {
    std::vector<TSeen> named;
    for (const TSeen& event : seen) {
      if (event.name == name) named.push_back(event);
    }
    return named;
  }

 private:
  static void CALLBACK Event(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD,
                             DWORD) {
    if (current_ == nullptr || object != OBJID_CLIENT) return;
    if (event != EVENT_SYSTEM_ALERT && event != EVENT_OBJECT_NAMECHANGE) return;
    IAccessible* accessible = nullptr;
    VARIANT found;
    VariantInit(&found);
    std::string name;
    if (SUCCEEDED(AccessibleObjectFromEvent(hwnd, object, child, &accessible, &found)) &&
        accessible != nullptr) {
      name = Read(accessible, found.vt == VT_I4 ? found.lVal : CHILDID_SELF).name;
      accessible->Release();
    }
    current_->seen.push_back({event, hwnd, name});
  }
  static inline TEventListener* current_ = nullptr;
  HWINEVENTHOOK hook_;
};

void SayHowNoticesGoOut() {
  std::printf("[ info     ] UiaRaiseNotificationEvent %s\n",
              win32::UiaNotificationsAvailable() ? "found: notices go out as UI Automation "
                                                   "notifications on this system"
                                                 : "missing: notices go out as WinEvents");
}

TEST(Reader, AnAnnouncementIsANameChangeAndAnAlertWithoutUiAutomationNotifications) {
  TComInit com;
  SayHowNoticesGoOut();
  TForm form(nullptr, bsSingle);
  form.SetClientSize(100, 100);
  TEventListener listener;
  form.Show();
  win32::AnnounceByWinEvents(form, "10 seconds left");
  ASSERT_TRUE(PumpUntil([&] { return !listener.Named("10 seconds left").empty(); }, 3000));
  bool nameChange = false;
  bool alert = false;
  for (const auto& event : listener.Named("10 seconds left")) {
    nameChange = nameChange || event.event == EVENT_OBJECT_NAMECHANGE;
    alert = alert || event.event == EVENT_SYSTEM_ALERT;
    EXPECT_TRUE(IsChild(H(form), event.hwnd));
  }
  EXPECT_TRUE(nameChange);
  EXPECT_TRUE(alert);
}

TEST(Reader, ANewNameIsAnnouncedAnUnchangedOneIsNot) {
  TComInit com;
  TReadWindow form;
  form.window.Show();
  TEventListener listener;
  form.edit->SetAccessibleName("Time limit in seconds");
  form.edit->SetAccessibleName("Time limit in seconds");
  form.right->SetAccessibleTitle("Right");
  form.right->AnnounceName();
  Pump(200);
  int edit = 0;
  int right = 0;
  for (const auto& event : listener.seen) {
    if (event.event != EVENT_OBJECT_NAMECHANGE) continue;
    if (event.hwnd == H(*form.edit)) ++edit;
    if (event.hwnd == H(form.window) && event.name == "Right: 0") ++right;
  }
  EXPECT_EQ(edit, 1);
  EXPECT_EQ(right, 1);
}

}  // namespace
}  // namespace gapwise::win32_test
