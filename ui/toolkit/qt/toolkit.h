// The Qt backend: the toolkit that the program's windows are shown with on Linux.
#pragma once

#include <memory>

#include "ui/toolkit/drivers.h"

namespace gapwise::qt {

class TQtApplication;

class TQtToolkit : public IToolkit {
 public:
  TQtToolkit();
  ~TQtToolkit() override;

  void Start(int& argc, char** argv, const std::string& desktopId) override;
  void Stop() override;
  int Run(TForm& mainForm) override;

  std::unique_ptr<IFormDriver> CreateForm(TForm& form, IFormDriver* owner,
                                          TFormBorder border) override;
  std::unique_ptr<IPanelDriver> CreatePanel(TPanel& panel, IControlDriver& parent) override;
  std::unique_ptr<ILabelDriver> CreateLabel(TLabel& label, IControlDriver& parent) override;
  std::unique_ptr<IColumnLabelDriver> CreateColumnLabel(TColumnLabel& label,
                                                        IControlDriver& parent) override;
  std::unique_ptr<IButtonDriver> CreateButton(TButton& button, IControlDriver& parent) override;
  std::unique_ptr<ICheckBoxDriver> CreateCheckBox(TCheckBox& box, IControlDriver& parent) override;
  std::unique_ptr<IEditDriver> CreateEdit(TEdit& edit, IControlDriver& parent) override;
  std::unique_ptr<IRadioGroupDriver> CreateRadioGroup(TRadioGroup& group,
                                                      IControlDriver& parent) override;
  std::unique_ptr<IControlDriver> CreateStaticText(TStaticText& text,
                                                   IControlDriver& parent) override;
  std::unique_ptr<ITimerDriver> CreateTimer(TTimer& timer) override;

  void ShowMessage(TForm* owner, const std::string& text) override;
  void ShowError(const std::string& text) override;
  void Beep() override;
  void ShellOpen(TForm* owner, const std::string& path) override;
  bool FileExists(const std::string& path) override;
  // Linux's monotonic clock counts nanoseconds from boot.
  std::uint32_t Seed() override;
  char PathDelimiter() const override { return '/'; }

 private:
  std::unique_ptr<TQtApplication> application_;
};

}  // namespace gapwise::qt
