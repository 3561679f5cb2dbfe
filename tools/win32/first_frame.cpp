// gapwise-first-frame.exe game|bare: starts as gapwise.exe does (the application, the settings
// from the registry, the main window and the hidden info dialog) or opens a bare Win32 window of
// the same size and frame, and quits as soon as the window and all its controls have painted their
// first frame. Prints one line: the milliseconds from the process's creation to that frame, the
// working set then and its peak, in KiB (GetProcessMemoryInfo). For timing start-up under Wine.
#include <windows.h>  // first: the other Windows headers build on it

#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "app/backends.h"
#include "tests/support/win32/toolkit_testing.h"
#include "ui/forms/main_window.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/services.h"

namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

WNDPROC previous = nullptr;
bool painted = false;

// Once the window's first WM_PAINT is done, everything still waiting to be painted (its
// controls) is painted too, and the loop ends.
LRESULT CALLBACK FirstFrame(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = previous != nullptr
                             ? CallWindowProcW(previous, hwnd, message, wParam, lParam)
                             : DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_PAINT && !painted) {
    painted = true;
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    PostQuitMessage(0);
  }
  return result;
}

double MsSinceCreation() {
  FILETIME creation;
  FILETIME exit;
  FILETIME kernel;
  FILETIME user;
  GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER a;
  ULARGE_INTEGER b;
  a.LowPart = creation.dwLowDateTime;
  a.HighPart = creation.dwHighDateTime;
  b.LowPart = now.dwLowDateTime;
  b.HighPart = now.dwHighDateTime;
  return static_cast<double>(b.QuadPart - a.QuadPart) / 10000.0;
}

void Report() {
  const double ms = MsSinceCreation();
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf("%.1f %lu %lu\n", ms, static_cast<unsigned long>(memory.WorkingSetSize / 1024),
              static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
}

int RunGame(int argc, char** argv) {
  gapwise::TApplication application(argc, argv, "Gapwise", "example.ardentree.Gapwise");
  const std::unique_ptr<gapwise::reg::IRegistry> registry = gapwise::SettingsRegistry();
  gapwise::TForm1 form({registry.get(), {}});
  const auto window = static_cast<HWND>(gapwise::win32::NativeWindow(form.Form()));
  previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FirstFrame)));
  const int status = application.Run(form.Form());
  Report();
  return status;
}

// A window of its own class, as large and framed as the game's, and nothing in it.
int RunBare() {
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = FirstFrame;
  type.hInstance = GetModuleHandleW(nullptr);
  type.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  type.lpszClassName = L"GapwiseBare";
  RegisterClassExW(&type);
  RECT frame{0, 0, 257, 389};
  AdjustWindowRectEx(&frame, kMainStyle, FALSE, 0);
  const HWND window = CreateWindowExW(0, type.lpszClassName, L"Gapwise", kMainStyle, 372, 171,
                                      frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                      nullptr, type.hInstance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Report();
  DestroyWindow(window);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "game") == 0) return RunGame(argc, argv);
  if (argc == 2 && std::strcmp(argv[1], "bare") == 0) return RunBare();
  std::fprintf(stderr, "usage: gapwise-first-frame game|bare\n");
  return 2;
}
