// What a screen reader finds in the Win32 backend's windows: the system's own objects (push
// buttons, check boxes, radio buttons, the edit box carry their captions as names), wrapped where
// the program gives a name, a description, a role or a reading; and spoken notices through UI
// Automation notifications where the system has them, else through WinEvents.
#pragma once

#include <string>

#include "ui/toolkit/win32/native.h"

namespace gapwise::win32 {

// The answer to WM_GETOBJECT for the client object of `window`: the system's object for it, with
// the name, description, value, role and children that the window gives. 0 when it cannot be
// made (the system then answers).
LRESULT AccessibleObject(TWindow& window, WPARAM wParam, LPARAM lParam);

// A form's spoken notices: an empty, zero-size alert whose name is the last text. Announce raises
// a UI Automation notification when uiautomationcore.dll has UiaRaiseNotificationEvent,
// otherwise a name change and an alert event of its MSAA object (AnnounceByWinEvents: always).
class TAnnouncer : public TWindow {
 public:
  explicit TAnnouncer(TWindow& form);
  ~TAnnouncer() override;

  void Announce(const std::string& text);
  void AnnounceByWinEvents(const std::string& text);
  const std::wstring& LastText() const { return text_; }

  std::wstring ReadName() const override { return text_; }
  TRole ReadRole() const override { return TRole::Alert; }

 private:
  void SetLastText(const std::string& text);
  bool RaiseNotification();  // false when it could not be raised
  void NotifyWinEvents();

  std::wstring text_;
  struct TProvider;
  TProvider* provider_ = nullptr;  // the UI Automation element, made with the first notice
};

// Whether UI Automation notifications can be raised on this system.
bool UiaNotificationsAvailable();

// The COM apartment that the accessible objects and notices live in: entered when a screen
// reader first asks for an object or a notice first goes out (not at start, where it would cost
// every start-up its time), left when the toolkit stops.
void EnterApartment();
void StopAccessibility();

}  // namespace gapwise::win32
