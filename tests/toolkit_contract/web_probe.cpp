// The contract's probe on the web backend: clicks and keys as the browser delivers them to the
// elements behind the controls (web_probe.js), the page's queued actions then handled by the
// backend's own loop, and message boxes read and closed from a timer of the box's loop.
#include "probe.h"
#include "ui/toolkit/timer.h"
#include "ui/toolkit/web/driver.h"

extern "C" {
void gwp_click(int id, int item);
void gwp_press(int key);
int gwp_read(int what, int id, char* buffer, int size);
int gwp_shown(int id);
int gwp_has_focus(int id);
int gwp_item(int id, int index, int checked);
int gwp_queued();
int gwp_box();
int gwp_box_icon(int id);
}

namespace gapwise::contract {
namespace {

using web::Loop;

// What gwp_read reads.
enum TText : int { kCaption, kAnnounced, kBoxTitle, kBoxText };

int E(const TControl& control) {
  return web::ElementOf(control.Driver());
}

std::string Read(TText what, int id) {
  return web::ReadText([&](char* buffer, int size) { return gwp_read(what, id, buffer, size); });
}

// Runs the backend's loop until done() holds or ms have passed; a timer wakes it meanwhile.
bool PumpFor(int ms, const std::function<bool()>& done) {
  const double end = gw_now() + ms;
  TTimer wake(10);
  Loop().RunUntil([&] { return done() || gw_now() >= end; });
  return done();
}

class TWebProbe : public IToolkitProbe {
 public:
  void Activate(TForm& form) override {
    form.Show();
    Settle();
  }
  void Click(const TButton& button) override {
    gwp_click(E(button), -1);
    Settle();
  }
  void ClickItem(const TRadioGroup& group, int index) override {
    gwp_click(E(group), index);
    Settle();
  }
  void PressKey(TPress key) override {
    gwp_press(static_cast<int>(key));
    Settle();
  }

  std::string Caption(const TControl& control) override { return Read(kCaption, E(control)); }
  bool Shown(const TControl& control) override { return gwp_shown(E(control)) != 0; }
  bool HasFocus(const TControl& control) override { return gwp_has_focus(E(control)) != 0; }
  bool ItemHasFocus(const TRadioGroup& group, int index) override {
    return gwp_item(E(group), index, 0) != 0;
  }
  bool ItemChecked(const TRadioGroup& group, int index) override {
    return gwp_item(E(group), index, 1) != 0;
  }
  // The live region takes a text a moment after it was cleared, so that a screen reader speaks
  // a repeated one again: an empty region is read once more after that moment.
  std::string Announced(const TForm& form) override {
    std::string text;
    PumpFor(200, [&] { return !(text = Read(kAnnounced, E(form))).empty(); });
    return text;
  }

  bool PumpUntil(const std::function<bool()>& done) override { return PumpFor(5000, done); }
  std::vector<TBox> Boxes(const std::function<void()>& action,
                          const std::function<bool()>& closeWhen) override {
    std::vector<TBox> seen;
    int read = 0;
    TTimer poll(10);
    poll.OnTimer = [&] {
      const int box = gwp_box();
      if (box == 0) return;
      if (box != read) {
        read = box;
        seen.push_back({Read(kBoxTitle, box), Read(kBoxText, box), gwp_box_icon(box) != 0});
      }
      if (closeWhen()) PressKey(TPress::Enter);  // on its OK, which has the focus
    };
    action();
    return seen;
  }

 private:
  // The actions that the page queued are handled, as a desktop handles a click's messages.
  static void Settle() {
    Loop().RunUntil([] { return gwp_queued() == 0; });
  }
};

}  // namespace

IToolkitProbe& Probe() {
  static TWebProbe probe;
  return probe;
}

}  // namespace gapwise::contract
