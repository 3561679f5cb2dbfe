// A form of the web backend: the main form is a block of the page; a dialog is a modal <dialog>
// element, which leaves the page beneath it inert while the program's loop runs on inside it.
#include "ui/toolkit/form.h"
#include "ui/toolkit/web/driver.h"

namespace gapwise::web {
namespace {

class TFormDriver : public TDriver<IFormDriver>, public IEventSink {
 public:
  TFormDriver(TForm& form, IFormDriver* owner)
      : TDriver(owner ? kDialogForm : kMainForm, 0),
        form_(form),
        owner_(owner ? ElementOf(*owner) : 0) {
    Loop().Listen(Id(), this);
  }
  ~TFormDriver() override { Loop().Forget(Id()); }

  // A page has no frame to move: the main form stands where the page puts it.
  void MoveTo(int /*left*/, int /*top*/) override {}
  void SetPosition(TPosition position) override {
    gw_centre(Id(), position == poOwnerFormCenter ? 1 : 0);
  }
  void SetVisible(bool visible) override {
    TDriver::SetVisible(visible);
    if (!visible) Close();
  }
  void ShowModal() override {
    open_ = true;
    gw_show_modal(Id(), owner_);
    form_.FocusFirst();
    Loop().RunUntil([this] { return !open_; });
  }
  void Close() override {
    gw_close(Id());
    if (!open_ && owner_ != 0) return;
    open_ = false;
    form_.Closed();
  }
  void SetKeyPreview(bool preview) override { gw_set_form(Id(), kKeyPreview, preview ? 1 : 0); }
  // The form keeps its tab order (TDialogKeys).
  void SetTabOrder(const std::vector<IControlDriver*>& /*order*/) override {}
  void Announce(const std::string& text) override { gw_announce(Id(), text.c_str()); }

  void Handle(const TEvent& event) override {
    if (event.Type == TEvent::kShown) return form_.Shown();
    if (event.Type == TEvent::kClose) return Close();
    if (event.Type == TEvent::kKey) Key(event);
  }

  // The form decides on the key; unless it used it up, the character goes to the key preview and
  // then to the edit box that takes it.
  void Key(const TEvent& event) {
    const TShift shift{(event.Modifiers & 1) != 0, (event.Modifiers & 2) != 0,
                       (event.Modifiers & 4) != 0};
    if (form_.KeyDown(KeyOfPcCode(event.Arg), shift) || event.Char == 0) return;
    form_.KeyPress(static_cast<char>(event.Char));
    if (event.Target != 0) Loop().Dispatch({TEvent::kEditKey, event.Target, 0, event.Char});
  }

  // The main form runs until it is closed.
  void RunMain() {
    open_ = true;
    Loop().RunUntil([this] { return !open_; });
  }

 private:
  TForm& form_;
  int owner_;
  bool open_ = false;
};

}  // namespace

std::unique_ptr<IFormDriver> MakeForm(TForm& form, IFormDriver* owner) {
  return std::make_unique<TFormDriver>(form, owner);
}

void RunMainForm(IFormDriver& driver) {
  static_cast<TFormDriver&>(driver).RunMain();
}

}  // namespace gapwise::web
