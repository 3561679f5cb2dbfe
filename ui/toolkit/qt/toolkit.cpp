// The Qt backend: the toolkit that the program's windows are shown with on Linux.
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
namespace {

class TQtToolkit : public IToolkit {
 public:
  void Start(int& argc, char** argv, const std::string& desktopId) override {
    application_ = std::make_unique<TQtApplication>(argc, argv);
    QGuiApplication::setApplicationName(QtText(ApplicationTitle()));
    if (!desktopId.empty()) QGuiApplication::setDesktopFileName(QtText(desktopId));
  }
  void Stop() override { application_.reset(); }
  int Run(TForm& mainForm) override {
    mainForm.Show();
    return QApplication::exec();
  }

  std::unique_ptr<IFormDriver> CreateForm(TForm& form, IFormDriver* owner,
                                          TFormBorder border) override {
    return MakeForm(form, owner, border);
  }
  std::unique_ptr<IPanelDriver> CreatePanel(gapwise::TPanel& /*panel*/,
                                            IControlDriver& parent) override {
    return MakePanel(WidgetOf(parent));
  }
  std::unique_ptr<ILabelDriver> CreateLabel(TLabel& /*label*/, IControlDriver& parent) override {
    return MakeLabel(WidgetOf(parent));
  }
  std::unique_ptr<IColumnLabelDriver> CreateColumnLabel(TColumnLabel& /*label*/,
                                                        IControlDriver& parent) override {
    return MakeColumnLabel(WidgetOf(parent));
  }
  std::unique_ptr<IButtonDriver> CreateButton(TButton& button, IControlDriver& parent) override {
    return MakeButton(button, WidgetOf(parent));
  }
  std::unique_ptr<ICheckBoxDriver> CreateCheckBox(TCheckBox& /*box*/,
                                                  IControlDriver& parent) override {
    return MakeCheckBox(WidgetOf(parent));
  }
  std::unique_ptr<IEditDriver> CreateEdit(TEdit& edit, IControlDriver& parent) override {
    return MakeEdit(edit, WidgetOf(parent));
  }
  std::unique_ptr<IRadioGroupDriver> CreateRadioGroup(gapwise::TRadioGroup& group,
                                                      IControlDriver& parent) override {
    return MakeRadioGroup(group, WidgetOf(parent));
  }
  std::unique_ptr<IControlDriver> CreateStaticText(gapwise::TStaticText& /*text*/,
                                                   IControlDriver& parent) override {
    return MakeStaticText(WidgetOf(parent));
  }
  std::unique_ptr<ITimerDriver> CreateTimer(TTimer& timer) override {
    return std::make_unique<TTimerDriver>(timer);
  }

  void ShowMessage(TForm* owner, const std::string& text) override {
    qt::ShowMessage(owner ? WidgetOf(owner->Driver()) : nullptr, QtText(text));
  }
  void ShowError(const std::string& text) override {
    qt::ShowError(QString::fromLocal8Bit(text.c_str()));
  }
  void Beep() override { qt::Beep(); }
  void ShellOpen(TForm* /*owner*/, const std::string& path) override {
    OpenWithDesktop(QtText(path));
  }
  bool FileExists(const std::string& path) override { return qt::FileExists(QtText(path)); }
  // Linux's monotonic clock counts nanoseconds from boot.
  std::uint32_t Seed() override {
    return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  }
  char PathDelimiter() const override { return '/'; }

 private:
  std::unique_ptr<TQtApplication> application_;
};

}  // namespace

QWidget* WidgetOf(const IControlDriver& driver) {
  const auto* holder = dynamic_cast<const TWidgetHolder*>(&driver);
  return holder != nullptr ? holder->Widget() : nullptr;
}

}  // namespace gapwise::qt

namespace gapwise {

IToolkit& Toolkit() {
  static qt::TQtToolkit toolkit;
  return toolkit;
}

}  // namespace gapwise
