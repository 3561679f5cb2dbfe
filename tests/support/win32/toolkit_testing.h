// For tests and tools on the Win32 backend: the native windows behind the program's controls
// (as opaque handles, HWND), and the event loop's handling of what is pending.
#pragma once

#include <string>

#include "ui/toolkit/control.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"

namespace gapwise::win32 {

// The window that shows a control (a form: its top-level window); null for none.
void* NativeWindow(const TControl& control);
// The radio button of item `index` of a choice list; null when there is no such item.
void* NativeItem(const TRadioGroup& group, int index);

// Announces the text on the form as a system without UI Automation notifications hears it: a
// name change and an alert event of the announcer's MSAA object.
void AnnounceByWinEvents(const TForm& form, const std::string& text);

// Handles every pending message as the event loop does (dialog keys and key preview included)
// and returns; a WM_QUIT is posted again.
void ProcessMessages();

}  // namespace gapwise::win32
