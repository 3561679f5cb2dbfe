// The Win32 backend: the toolkit that the program's windows are shown with on Windows, over
// user32, gdi32, shell32 and, for hints, the common controls.
#include "ui/toolkit/win32/native.h"  // first: <windows.h> before the other Windows headers

#include <commctrl.h>
#include <shellapi.h>

#include <map>
#include <memory>

#include "ui/toolkit/form.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/timer.h"
#include "ui/toolkit/win32/accessibility.h"
#include "ui/toolkit/win32/controls.h"
#include "ui/toolkit/win32/form.h"
#include "ui/toolkit/win32/native.h"

namespace gapwise::win32 {
namespace {

constexpr const wchar_t* kTimerClass = L"GapwiseTimer";

class TTimerDriver;

// The system timers of all TTimers: SetTimer on one message-only window, by number.
class TTimers {
 public:
  static TTimers& Get() {
    static TTimers timers;
    return timers;
  }

  // The timer's number, 0 when the system refuses a timer.
  UINT_PTR Start(TTimerDriver& timer, int intervalMs) {
    if (window_ == nullptr) Create();
    const UINT_PTR id = ++last_;
    if (window_ == nullptr || SetTimer(window_, id, static_cast<UINT>(intervalMs), nullptr) == 0) {
      return 0;
    }
    timers_[id] = &timer;
    return id;
  }
  void Stop(UINT_PTR id) {
    if (id == 0) return;
    KillTimer(window_, id);
    timers_.erase(id);
  }
  void Destroy() {
    if (window_ != nullptr) DestroyWindow(window_);
    window_ = nullptr;
    UnregisterClassW(kTimerClass, Instance());
  }

 private:
  void Create() {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = Procedure;
    type.hInstance = Instance();
    type.lpszClassName = kTimerClass;
    RegisterClassExW(&type);
    window_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, Instance(),
                              nullptr);
  }
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  UINT_PTR last_ = 0;
  std::map<UINT_PTR, TTimerDriver*> timers_;
};

class TTimerDriver : public ITimerDriver {
 public:
  explicit TTimerDriver(TTimer& timer) : timer_(timer) {}
  ~TTimerDriver() override { Stop(); }

  // A fresh interval: a running system timer is replaced.
  bool Start(int intervalMs) override {
    Stop();
    id_ = TTimers::Get().Start(*this, intervalMs);
    return id_ != 0;
  }
  void Stop() override {
    TTimers::Get().Stop(id_);
    id_ = 0;
  }
  void Tick() { timer_.Tick(); }

 private:
  TTimer& timer_;
  UINT_PTR id_ = 0;
};

LRESULT CALLBACK TTimers::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER) return DefWindowProcW(hwnd, message, wParam, lParam);
  const auto found = Get().timers_.find(static_cast<UINT_PTR>(wParam));
  if (found != Get().timers_.end()) Guarded([&] { found->second->Tick(); });
  return 0;
}

HWND HandleOf(const TForm* form) {
  const TWindow* window = form != nullptr ? WindowOf(form->Driver()) : nullptr;
  return window != nullptr ? window->Handle() : nullptr;
}

TWindow& Parent(IControlDriver& driver) {
  return *WindowOf(driver);
}

class TWin32Toolkit : public IToolkit {
 public:
  void Start(int& /*argc*/, char** /*argv*/, const std::string& /*desktopId*/) override {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterClasses();
  }
  void Stop() override {
    TTimers::Get().Destroy();
    UnregisterClasses();
    FreeGdiCache();
    StopAccessibility();
  }
  int Run(TForm& mainForm) override {
    TFormWindow::SetMainForm(dynamic_cast<TFormWindow*>(WindowOf(mainForm.Driver())));
    mainForm.Show();
    int exitCode = 0;
    while (TFormWindow::HandleOneMessage(&exitCode)) {
    }
    return exitCode;
  }

  std::unique_ptr<IFormDriver> CreateForm(TForm& form, IFormDriver* owner,
                                          TFormBorder border) override {
    auto* ownerWindow = owner != nullptr ? dynamic_cast<TFormWindow*>(WindowOf(*owner)) : nullptr;
    return std::make_unique<TFormWindow>(form, ownerWindow, border);
  }
  std::unique_ptr<IPanelDriver> CreatePanel(TPanel& /*panel*/, IControlDriver& parent) override {
    return MakePanel(Parent(parent));
  }
  std::unique_ptr<ILabelDriver> CreateLabel(TLabel& /*label*/, IControlDriver& parent) override {
    return MakeLabel(Parent(parent));
  }
  std::unique_ptr<IColumnLabelDriver> CreateColumnLabel(TColumnLabel& /*label*/,
                                                        IControlDriver& parent) override {
    return MakeColumnLabel(Parent(parent));
  }
  std::unique_ptr<IButtonDriver> CreateButton(TButton& button, IControlDriver& parent) override {
    return MakeButton(button, Parent(parent));
  }
  std::unique_ptr<ICheckBoxDriver> CreateCheckBox(TCheckBox& /*box*/,
                                                  IControlDriver& parent) override {
    return MakeCheckBox(Parent(parent));
  }
  std::unique_ptr<IEditDriver> CreateEdit(TEdit& edit, IControlDriver& parent) override {
    return MakeEdit(edit, Parent(parent));
  }
  std::unique_ptr<IRadioGroupDriver> CreateRadioGroup(TRadioGroup& group,
                                                      IControlDriver& parent) override {
    return MakeRadioGroup(group, Parent(parent));
  }
  std::unique_ptr<IControlDriver> CreateStaticText(TStaticText& /*text*/,
                                                   IControlDriver& parent) override {
    return MakeStaticText(Parent(parent));
  }
  std::unique_ptr<ITimerDriver> CreateTimer(TTimer& timer) override {
    return std::make_unique<TTimerDriver>(timer);
  }

  // The program's texts are UTF-8: each reaches the system through its wide call.
  // A message box with the application title, one OK and no icon; its own loop keeps the timers
  // ticking, and the owner takes no input while it is open.
  void ShowMessage(TForm* owner, const std::string& text) override {
    MessageBoxW(HandleOf(owner), Wide(text).c_str(), Wide(ApplicationTitle()).c_str(), MB_OK);
  }
  // Over whichever window of the program is active (none during start-up).
  void ShowError(const std::string& text) override {
    MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(ApplicationTitle()).c_str(),
                MB_OK | MB_ICONERROR);
  }
  void Beep() override { MessageBeep(0); }
  void ShellOpen(TForm* owner, const std::string& path) override {
    ShellExecuteW(HandleOf(owner), L"open", Wide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
  // An entry that is no folder and whose last write converts to a DOS date and time.
  bool FileExists(const std::string& path) override {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(Wide(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    FILETIME local;
    WORD date = 0;
    WORD time = 0;
    return FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) &&
           FileTimeToDosDateTime(&local, &date, &time);
  }
  std::uint32_t Seed() override {
    LARGE_INTEGER counter;
    if (QueryPerformanceCounter(&counter)) return counter.LowPart;
    return GetTickCount();
  }
  char PathDelimiter() const override { return '\\'; }
};

}  // namespace

}  // namespace gapwise::win32

namespace gapwise {

IToolkit& Toolkit() {
  static win32::TWin32Toolkit toolkit;
  return toolkit;
}

}  // namespace gapwise
