#include "ui/toolkit/qt/toolkit.h"

#include <QApplication>
#include <chrono>
#include <memory>

#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/application.h"
#include "ui/toolkit/qt/controls.h"
#include "ui/toolkit/qt/driver.h"
#include "ui/toolkit/qt/form.h"
#include "ui/toolkit/qt/message_box.h"
#include "ui/toolkit/qt/shell.h"
#include "ui/toolkit/qt/timer.h"
#include "ui/toolkit/services.h"

namespace gapwise::qt {

TQtToolkit::TQtToolkit() = default;
TQtToolkit::~TQtToolkit() = default;

void TQtToolkit::Start(int& argc, char** argv, const std::string& desktopId) {
  application_ = std::make_unique<TQtApplication>(argc, argv);
  QGuiApplication::setApplicationName(QtText(ApplicationTitle()));
  if (!desktopId.empty()) QGuiApplication::setDesktopFileName(QtText(desktopId));
}

void TQtToolkit::Stop() {
  application_.reset();
}

int TQtToolkit::Run(TForm& mainForm) {
  mainForm.Show();
  return QApplication::exec();
}

std::unique_ptr<IFormDriver> TQtToolkit::CreateForm(TForm& form, IFormDriver* owner,
                                                    TFormBorder border) {
  return MakeForm(form, owner, border);
}

std::unique_ptr<IPanelDriver> TQtToolkit::CreatePanel(gapwise::TPanel& /*panel*/,
                                                      IControlDriver& parent) {
  return MakePanel(WidgetOf(parent));
}

std::unique_ptr<ILabelDriver> TQtToolkit::CreateLabel(TLabel& /*label*/, IControlDriver& parent) {
  return MakeLabel(WidgetOf(parent));
}

std::unique_ptr<IColumnLabelDriver> TQtToolkit::CreateColumnLabel(TColumnLabel& /*label*/,
                                                                  IControlDriver& parent) {
  return MakeColumnLabel(WidgetOf(parent));
}

std::unique_ptr<IButtonDriver> TQtToolkit::CreateButton(TButton& button, IControlDriver& parent) {
  return MakeButton(button, WidgetOf(parent));
}

std::unique_ptr<ICheckBoxDriver> TQtToolkit::CreateCheckBox(TCheckBox& /*box*/,
                                                            IControlDriver& parent) {
  return MakeCheckBox(WidgetOf(parent));
}

std::unique_ptr<IEditDriver> TQtToolkit::CreateEdit(TEdit& edit, IControlDriver& parent) {
  return MakeEdit(edit, WidgetOf(parent));
}

std::unique_ptr<IRadioGroupDriver> TQtToolkit::CreateRadioGroup(gapwise::TRadioGroup& group,
                                                                IControlDriver& parent) {
  return MakeRadioGroup(group, WidgetOf(parent));
}

std::unique_ptr<IControlDriver> TQtToolkit::CreateStaticText(gapwise::TStaticText& /*text*/,
                                                             IControlDriver& parent) {
  return MakeStaticText(WidgetOf(parent));
}

std::unique_ptr<ITimerDriver> TQtToolkit::CreateTimer(TTimer& timer) {
  return std::make_unique<TTimerDriver>(timer);
}

void TQtToolkit::ShowMessage(TForm* owner, const std::string& text) {
  qt::ShowMessage(owner ? WidgetOf(owner->Driver()) : nullptr, QtText(text));
}

void TQtToolkit::ShowError(const std::string& text) {
  qt::ShowError(QString::fromLocal8Bit(text.c_str()));
}

void TQtToolkit::Beep() {
  qt::Beep();
}

void TQtToolkit::ShellOpen(TForm* /*owner*/, const std::string& path) {
  OpenWithDesktop(QtText(path));
}

bool TQtToolkit::FileExists(const std::string& path) {
  return qt::FileExists(QtText(path));
}

std::uint32_t TQtToolkit::Seed() {
  return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

QWidget* WidgetOf(const IControlDriver& driver) {
  const auto* holder = dynamic_cast<const TWidgetHolder*>(&driver);
  return holder != nullptr ? holder->Widget() : nullptr;
}

}  // namespace gapwise::qt
