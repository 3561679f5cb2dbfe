// gapwise-probe.exe: looks at the running game's windows from another process, as a test or a
// screen reader would, and presses its buttons.
//   gapwise-probe wait TITLE [SECONDS]  waits until a window of the game with that title is shown
//   gapwise-probe gone TITLE [SECONDS]  waits until no such window is shown
//   gapwise-probe window TITLE          its client area (size, screen origin), frame and buttons
//   gapwise-probe controls TITLE        every shown control: its window and its parent's, class,
//                                       place in the client area, text
//   gapwise-probe click TITLE CAPTION   presses the push button with that caption (posted), as a
//                                       click would: only while the window takes input
//   gapwise-probe close TITLE           the title bar's close (WM_SYSCOMMAND SC_CLOSE)
//   gapwise-probe read TITLE            what a screen reader reads of each shown control (MSAA),
//                                       a control that a window draws as a "part" of it
//   gapwise-probe load DLL              loads the DLL by its bare name, as LoadLibrary searches
// Exit status 0 on success, 1 when the window or button is not there, 2 on a usage error.
#include <windows.h>  // first: the other Windows headers build on it

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* kFormClass = L"GapwiseForm";

std::wstring Wide(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
  wide.resize(wide.size() - 1);
  return wide;
}

std::string Narrow(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), length, nullptr, nullptr);
  narrow.resize(narrow.size() - 1);
  return narrow;
}

std::string TextOf(HWND hwnd) {
  wchar_t text[1024] = {};
  // WM_GETTEXT is carried across processes by the system.
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, nullptr);
  return Narrow(text);
}

std::string ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return Narrow(name);
}

HWND Find(const char* title) {
  const HWND found = FindWindowW(kFormClass, Wide(title).c_str());
  return found != nullptr && IsWindowVisible(found) ? found : nullptr;
}

// Polls for the window (or its absence) every 50 ms.
HWND WaitFor(const char* title, double seconds, bool shown) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  for (;;) {
    const HWND found = Find(title);
    if ((found != nullptr) == shown) return found;
    if (static_cast<LONG>(GetTickCount() - end) > 0) return nullptr;
    Sleep(50);
  }
}

struct TControl {
  HWND hwnd;
  RECT box;  // in the client area of the top-level window
};

struct TCollect {
  HWND top;
  std::vector<TControl> controls;
};

BOOL CALLBACK Collect(HWND child, LPARAM data) {
  auto& collect = *reinterpret_cast<TCollect*>(data);
  if (!IsWindowVisible(child)) return TRUE;
  RECT box;
  GetWindowRect(child, &box);
  MapWindowPoints(nullptr, collect.top, reinterpret_cast<POINT*>(&box), 2);
  collect.controls.push_back({child, box});
  return TRUE;
}

std::vector<TControl> Controls(HWND top) {
  TCollect collect{top, {}};
  EnumChildWindows(top, Collect, reinterpret_cast<LPARAM>(&collect));
  return collect.controls;
}

int Window(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  RECT frame;
  GetWindowRect(hwnd, &frame);
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  std::printf("window %lu\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(hwnd)));
  std::printf("client %ld %ld\n", client.right, client.bottom);
  std::printf("origin %ld %ld\n", origin.x, origin.y);
  std::printf("frame %ld %ld %ld %ld\n", frame.left, frame.top, frame.right, frame.bottom);
  std::printf("sysmenu %d minimize %d maximize %d sizable %d enabled %d\n",
              (style & WS_SYSMENU) != 0, (style & WS_MINIMIZEBOX) != 0,
              (style & WS_MAXIMIZEBOX) != 0, (style & WS_THICKFRAME) != 0,
              IsWindowEnabled(hwnd) != 0);
  return 0;
}

// One line per shown control: its window and its parent's (as numbers), class, left, top, width,
// height, then its text after a tab.
int List(HWND hwnd) {
  for (const TControl& control : Controls(hwnd)) {
    std::printf("%lu %lu %s %ld %ld %ld %ld\t%s\n",
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(control.hwnd)),
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(GetParent(control.hwnd))),
                ClassOf(control.hwnd).c_str(), control.box.left, control.box.top,
                control.box.right - control.box.left, control.box.bottom - control.box.top,
                TextOf(control.hwnd).c_str());
  }
  return 0;
}

int Click(HWND hwnd, const char* caption) {
  if (!IsWindowEnabled(hwnd)) {
    std::fprintf(stderr, "gapwise-probe: \"%s\" takes no input now\n", caption);
    return 1;
  }
  for (const TControl& control : Controls(hwnd)) {
    if (ClassOf(control.hwnd) == "Button" && TextOf(control.hwnd) == caption) {
      PostMessageW(control.hwnd, BM_CLICK, 0, 0);  // posted: the button may open a modal loop
      return 0;
    }
  }
  std::fprintf(stderr, "gapwise-probe: no button \"%s\"\n", caption);
  return 1;
}

std::string Bstr(BSTR text) {
  std::string narrow = text != nullptr ? Narrow(text) : std::string();
  SysFreeString(text);
  return narrow;
}

// One line of what a screen reader reads of the object's child `id` (CHILDID_SELF: the object):
// what it is and where, role, state, then name, description and value after tabs.
void PrintRead(IAccessible* object, long id, const std::string& what, POINT at) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  BSTR name = nullptr;
  BSTR description = nullptr;
  BSTR value = nullptr;
  VARIANT role;
  VariantInit(&role);
  object->get_accName(child, &name);
  object->get_accDescription(child, &description);
  object->get_accValue(child, &value);
  object->get_accRole(child, &role);
  VARIANT state;
  VariantInit(&state);
  object->get_accState(child, &state);
  const bool invisible = state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_INVISIBLE);
  std::printf("%s %ld %ld role %ld%s\tname=%s\tdescription=%s\tvalue=%s\n", what.c_str(), at.x,
              at.y, role.vt == VT_I4 ? role.lVal : 0L, invisible ? " invisible" : "",
              Bstr(name).c_str(), Bstr(description).c_str(), Bstr(value).c_str());
}

// The object's children that are simple elements (controls that a window draws), as "part" lines
// placed in the top-level window's client area.
void PrintParts(IAccessible* object, HWND top) {
  long count = 0;
  if (FAILED(object->get_accChildCount(&count)) || count <= 0) return;
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  long got = 0;
  if (FAILED(AccessibleChildren(object, 0, count, children.data(), &got))) return;
  for (long i = 0; i < got; ++i) {
    VARIANT& child = children[static_cast<std::size_t>(i)];
    if (child.vt == VT_I4) {
      long left = 0;
      long top_ = 0;
      long width = 0;
      long height = 0;
      object->accLocation(&left, &top_, &width, &height, child);
      POINT at{left, top_};
      ScreenToClient(top, &at);
      PrintRead(object, child.lVal, "part", at);
    }
    VariantClear(&child);
  }
}

// Name, role, description and value of each shown control's client object and of the controls
// that it draws, through MSAA from this process, as a screen reader gets them.
int Read(HWND hwnd) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const GUID iid = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
  int read = 0;
  std::vector<TControl> controls = Controls(hwnd);
  controls.insert(controls.begin(), TControl{hwnd, RECT{0, 0, 0, 0}});  // the form's own parts
  for (const TControl& control : controls) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control.hwnd, static_cast<DWORD>(OBJID_CLIENT), iid,
                                          reinterpret_cast<void**>(&object))) ||
        object == nullptr) {
      continue;
    }
    if (control.hwnd != hwnd) {
      PrintRead(object, CHILDID_SELF, ClassOf(control.hwnd), {control.box.left, control.box.top});
      ++read;
    }
    PrintParts(object, hwnd);
    object->Release();
  }
  CoUninitialize();
  return read > 0 ? 0 : 1;
}

int Usage() {
  std::fprintf(stderr,
               "usage: gapwise-probe wait|gone TITLE [SECONDS] | window|controls|close|read TITLE"
               " | click TITLE CAPTION | load DLL\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  const char* title = argv[2];
  if (command == "load") return LoadLibraryA(argv[2]) != nullptr ? 0 : 1;
  if (command == "wait" || command == "gone") {
    const double seconds = argc > 3 ? std::atof(argv[3]) : 30.0;
    const bool shown = command == "wait";
    const HWND found = WaitFor(title, seconds, shown);
    if (shown && found == nullptr) {
      std::fprintf(stderr, "gapwise-probe: no window \"%s\"\n", title);
      return 1;
    }
    if (!shown && Find(title) != nullptr) {
      std::fprintf(stderr, "gapwise-probe: the window \"%s\" is still there\n", title);
      return 1;
    }
    return 0;
  }
  const HWND hwnd = Find(title);
  if (hwnd == nullptr) {
    std::fprintf(stderr, "gapwise-probe: no window \"%s\"\n", title);
    return 1;
  }
  if (command == "window") return Window(hwnd);
  if (command == "controls") return List(hwnd);
  if (command == "read") return Read(hwnd);
  if (command == "close") {
    PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  }
  if (command == "click" && argc == 4) return Click(hwnd, argv[3]);
  return Usage();
}
