// The main window's fixed layout: every control at its place, size, colour and font.
#include "ui/accessibility.h"
#include "ui/forms/main_window.h"
#include "ui/puzzle_area.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/timer.h"

namespace gapwise {

// Made back to front, so that a later control covers an earlier one where they overlap.
void TForm1::CreateControls() {
  TForm& form = *form_;
  form.SetCaption("Gapwise");
  form.SetClientSize(257, 389);
  form.SetColor(clMoneyGreen);
  form.SetFont(FontOf(16));
  Panel1 = form.Make<TPanel>(TRect{0, 0, 169, 209}, clWhite);
  Panel1->SetReading("", "");  // read as one text, the puzzle; never cell by cell
  Puzzle = std::make_unique<TPuzzleArea>(*Panel1);
  Button1 = form.Make<TButton>(TRect{184, 216, 65, 25}, "Check");
  RadioGroup1 = form.Make<TRadioGroup>(TRect{168, 0, 89, 209});
  RadioGroup1->SetColor(clBlack);
  RadioGroup1->SetFont(FontOf(19, fsItalic, clWhite));
  RadioGroup1->SetCaption("  ? is : ");
  RadioGroup1->SetItems({"23", "45", "68", "99"});
  Button2 = form.Make<TButton>(TRect{184, 360, 65, 25}, "Exit");
  CreateScoreArea();
  Button3 = form.Make<TButton>(TRect{184, 296, 65, 25}, "Options");
  Button4 = form.Make<TButton>(TRect{184, 328, 65, 25}, "Info");
  StaticText1 = form.Make<TStaticText>(TRect{192, 88, 35, 30});
  StaticText1->SetFont(FontOf(21, fsItalic));
  Button5 = form.Make<TButton>(TRect{2, 2, 23, 23}, "?");
  Button5->SetFont(FontOf(19, fsBold));
  timer_ = std::make_unique<TTimer>();
  Timer1 = timer_.get();
  form.SetKeyPreview(true);
  form.SetDefaultButton(Button1);  // drawn as the default button; the key preview presses it
  // Only the push buttons and the choice list's radio buttons take the focus.
  form.SetTabOrder({RadioGroup1, Button1, Button3, Button4, Button2, Button5});
  MakeReadable(*this);
}

// Panel2 reaches past the bottom of the window, which clips it.
void TForm1::CreateScoreArea() {
  Panel2 = form_->Make<TPanel>(TRect{0, 208, 169, 185}, clSkyBlue);
  const TFont bold = FontOf(16, fsBold);
  const auto title = [&](int top, const char* caption) {
    auto* label = Panel2->Make<TLabel>(TRect{16, top, 0, 19}, caption, true);
    label->SetFont(bold);
    return label;
  };
  const auto counter = [&](int top) {
    return Panel2->Make<TLabel>(TRect{80, top, 49, 17}, "0", false, taRightJustify);
  };
  Label4 = title(24, "Right :");
  Label5 = title(48, "Wrong :");
  Label6 = title(72, "Total :");
  Label7 = counter(24);
  Label9 = counter(48);
  Label10 = counter(72);
  Label12 = title(112, "Time left :");
  Label13 = Panel2->Make<TLabel>(TRect{kSecondsLeft, 112, 0, 19}, "200", true);
  Label13->SetFont(FontOf(16, fsBold, clRed));
}

}  // namespace gapwise
