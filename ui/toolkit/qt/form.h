// The Qt driver of a form: a window of its own for a main form, a dialog for an owned one.
#pragma once

#include <memory>

#include "ui/toolkit/drivers.h"

namespace gapwise::qt {

std::unique_ptr<IFormDriver> MakeForm(TForm& form, IFormDriver* owner, TFormBorder border);

}  // namespace gapwise::qt
