// The Qt drivers of the simple controls and of the choice list.
#pragma once

#include <memory>

#include "ui/toolkit/drivers.h"

class QWidget;

namespace gapwise::qt {

std::unique_ptr<IPanelDriver> MakePanel(QWidget* parent);
std::unique_ptr<ILabelDriver> MakeLabel(QWidget* parent);
std::unique_ptr<IColumnLabelDriver> MakeColumnLabel(QWidget* parent);
std::unique_ptr<IButtonDriver> MakeButton(TButton& button, QWidget* parent);
std::unique_ptr<ICheckBoxDriver> MakeCheckBox(QWidget* parent);
std::unique_ptr<IEditDriver> MakeEdit(TEdit& edit, QWidget* parent);
std::unique_ptr<IRadioGroupDriver> MakeRadioGroup(gapwise::TRadioGroup& group, QWidget* parent);
std::unique_ptr<IControlDriver> MakeStaticText(QWidget* parent);

}  // namespace gapwise::qt
