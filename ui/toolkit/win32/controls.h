// The Win32 drivers of the controls: panels, labels, column labels and the answer box drawn by
// the backend's own window class; push buttons, check boxes, radio buttons and the edit box are
// the system's controls.
#pragma once

#include <memory>

#include "ui/toolkit/drivers.h"

namespace gapwise::win32 {

class TWindow;

std::unique_ptr<IPanelDriver> MakePanel(TWindow& parent);
std::unique_ptr<ILabelDriver> MakeLabel(TWindow& parent);
std::unique_ptr<IColumnLabelDriver> MakeColumnLabel(TWindow& parent);
std::unique_ptr<IButtonDriver> MakeButton(TButton& button, TWindow& parent);
std::unique_ptr<ICheckBoxDriver> MakeCheckBox(TWindow& parent);
std::unique_ptr<IEditDriver> MakeEdit(TEdit& edit, TWindow& parent);
std::unique_ptr<IRadioGroupDriver> MakeRadioGroup(TRadioGroup& group, TWindow& parent);
std::unique_ptr<IControlDriver> MakeStaticText(TWindow& parent);

}  // namespace gapwise::win32
