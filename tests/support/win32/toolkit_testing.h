// For tests and tools on the Win32 backend: the native windows behind the program's controls
// (as opaque handles, HWND), and the event loop's handling of what is pending.
#pragma once

#include <string>

#include "ui/toolkit/control.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"

namespace gapwise::win32 {

// The window that shows a control (a form: its top-level window); null for none, and for a
// control that the window it stands in draws (a label).
void* NativeWindow(const TControl& control);
// A control as a screen reader reaches it: its own window (Id 0), or the window that draws it
// and its part number there; Window null where no reader reaches it.
struct TNativePart {
  void* Window = nullptr;
  long Id = 0;
};
TNativePart NativePart(const TControl& control);
// The text that a control shows, and whether it is on the screen, windowed or drawn.
std::string NativeText(const TControl& control);
bool NativeShown(const TControl& control);
// The radio button of item `index` of a choice list; null when there is no such item.
void* NativeItem(const TRadioGroup& group, int index);

// Announces the text on the form as a system without UI Automation notifications hears it: a
// name change and an alert event of the announcer's MSAA object.
void AnnounceByWinEvents(const TForm& form, const std::string& text);

// Handles every pending message as the event loop does (dialog keys and key preview included)
// and returns; a WM_QUIT is posted again.
void ProcessMessages();

}  // namespace gapwise::win32
