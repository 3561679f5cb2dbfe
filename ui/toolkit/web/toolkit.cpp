// The web backend: the toolkit that the program's windows are shown with in a browser page.
#include "ui/toolkit/form.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/timer.h"
#include "ui/toolkit/web/driver.h"

namespace gapwise::web {

void RunMainForm(IFormDriver& driver);

namespace {

// The timer's ticks come from the event loop, also while a modal form or a box is open.
class TTimerDriver : public ITimerDriver {
 public:
  explicit TTimerDriver(TTimer& timer) : timer_(timer) {}
  ~TTimerDriver() override { Stop(); }
  bool Start(int intervalMs) override {
    Stop();
    id_ = Loop().AddTimer(intervalMs, [this] { timer_.Tick(); });
    return true;
  }
  void Stop() override {
    if (id_ != 0) Loop().RemoveTimer(id_);
    id_ = 0;
  }

 private:
  TTimer& timer_;
  int id_ = 0;
};

// Runs the loop until the box has been closed.
void RunBox(const std::string& text, bool error) {
  const int box = gw_message_box(ApplicationTitle().c_str(), text.c_str(), error ? 1 : 0);
  Loop().RunUntil([box] { return Loop().BoxClosed(box); });
}

// The help file that the "?" button asks for is shipped as the pages it is compiled from.
constexpr const char* kHelpFile = "gapwise.chm";
constexpr const char* kHelpPage = "help/index.html";

bool IsHelpFile(const std::string& path) {
  return path.size() >= 11 && path.compare(path.size() - 11, 11, kHelpFile) == 0;
}

class TWebToolkit : public IToolkit {
 public:
  void Start(int& /*argc*/, char** /*argv*/, const std::string& /*desktopId*/) override {}
  void Stop() override {}
  // Exit closes the main form; a page cannot always close itself, so it says so instead.
  int Run(TForm& mainForm) override {
    mainForm.Show();
    RunMainForm(static_cast<IFormDriver&>(mainForm.Driver()));
    gw_ended();
    return 0;
  }

  std::unique_ptr<IFormDriver> CreateForm(TForm& form, IFormDriver* owner,
                                          TFormBorder /*border*/) override {
    return MakeForm(form, owner);
  }
  std::unique_ptr<IPanelDriver> CreatePanel(TPanel&, IControlDriver& parent) override {
    return MakePanel(ElementOf(parent));
  }
  std::unique_ptr<ILabelDriver> CreateLabel(TLabel&, IControlDriver& parent) override {
    return MakeLabel(ElementOf(parent));
  }
  std::unique_ptr<IColumnLabelDriver> CreateColumnLabel(TColumnLabel&,
                                                        IControlDriver& parent) override {
    return MakeColumnLabel(ElementOf(parent));
  }
  std::unique_ptr<IButtonDriver> CreateButton(TButton& button, IControlDriver& parent) override {
    return MakeButton(button, ElementOf(parent));
  }
  std::unique_ptr<ICheckBoxDriver> CreateCheckBox(TCheckBox&, IControlDriver& parent) override {
    return MakeCheckBox(ElementOf(parent));
  }
  std::unique_ptr<IEditDriver> CreateEdit(TEdit& edit, IControlDriver& parent) override {
    return MakeEdit(edit, ElementOf(parent));
  }
  std::unique_ptr<IRadioGroupDriver> CreateRadioGroup(TRadioGroup& group,
                                                      IControlDriver& parent) override {
    return MakeRadioGroup(group, ElementOf(parent));
  }
  std::unique_ptr<IControlDriver> CreateStaticText(TStaticText&, IControlDriver& parent) override {
    return MakeStaticText(ElementOf(parent));
  }
  std::unique_ptr<ITimerDriver> CreateTimer(TTimer& timer) override {
    return std::make_unique<TTimerDriver>(timer);
  }

  void ShowMessage(TForm* /*owner*/, const std::string& text) override { RunBox(text, false); }
  void ShowError(const std::string& text) override { RunBox(text, true); }
  void Beep() override { gw_beep(); }
  void ShellOpen(TForm* /*owner*/, const std::string& path) override {
    gw_open(IsHelpFile(path) ? kHelpPage : path.c_str());
  }
  bool FileExists(const std::string& path) override { return IsHelpFile(path); }
  // The browser's high-resolution clock, in microseconds.
  std::uint32_t Seed() override { return gw_seed(); }
  char PathDelimiter() const override { return '/'; }
};

}  // namespace

int ElementOf(const IControlDriver& driver) {
  const auto* holder = dynamic_cast<const TElementHolder*>(&driver);
  return holder != nullptr ? holder->Element() : 0;
}

std::string ReadText(const std::function<int(char* buffer, int size)>& write) {
  std::string text(64, '\0');
  const int size = write(text.data(), static_cast<int>(text.size()));
  if (size >= static_cast<int>(text.size())) {
    text.assign(static_cast<std::size_t>(size) + 1, '\0');
    write(text.data(), static_cast<int>(text.size()));
  }
  text.resize(static_cast<std::size_t>(size));
  return text;
}

std::string CssFont(const TFont& font) {
  std::string css = (font.Style & fsItalic) ? "italic " : "";
  if (font.Style & fsBold) css += "bold ";
  css += std::to_string(font.Height) + "px ";
  css += font.Name == "Times New Roman" ? "'Liberation Serif'" : "'" + font.Name + "'";
  return css + ", serif";
}

std::string CssColor(TColor color, bool text) {
  switch (color.Kind) {
    case TColor::kNone:
      return text ? "inherit" : "transparent";
    case TColor::kRgb:
      return "rgb(" + std::to_string(color.R) + "," + std::to_string(color.G) + "," +
             std::to_string(color.B) + ")";
    case TColor::kWindowText:
      return "#000";
    case TColor::kButtonFace:
      return "#f0f0f0";
  }
  return "transparent";
}

}  // namespace gapwise::web

namespace gapwise {

IToolkit& Toolkit() {
  static web::TWebToolkit toolkit;
  return toolkit;
}

}  // namespace gapwise
