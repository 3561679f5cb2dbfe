#include "ui/forms/info_dialog.h"

#include <string>

#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/version.h"

namespace gapwise {
namespace {

constexpr const char* kWebSite = "www.ardentree.eu";
constexpr const char* kEmail = "info@ardentree.eu";

// A label as wide as its text; its whole text shows as its hint too.
TLabel* MakeAutoSizeLabel(TForm& form, const char* name, const std::string& caption, int left,
                          int top) {
  auto* label = form.Make<TLabel>(TRect{left, top, 0, 19}, caption, true);
  label->SetName(name);
  label->SetHint(caption);
  return label;
}

}  // namespace

TForm3::TForm3(TForm* owner) : form_(std::make_unique<TForm>(owner, bsDialog)) {
  form_->SetName("Form3");
  CreateControls();
}

TForm3::~TForm3() = default;

void TForm3::CreateControls() {
  TForm& form = *form_;
  form.SetCaption("Info");
  form.SetClientSize(231, 254);
  form.SetFont(FontOf(16));
  form.SetPosition(poOwnerFormCenter);
  // Two pixels wider than the client area, as laid out; the text is centred on the wider box.
  Label1 = form.Make<TLabel>(TRect{0, 16, 233, 25}, kProductAndVersion, false, taCenter);
  Label1->SetName("Label1");
  Label3 = MakeAutoSizeLabel(form, "Label3", std::string("internet site:  ") + kWebSite, 16, 140);
  Label4 = MakeAutoSizeLabel(form, "Label4", std::string("e-mail:  ") + kEmail, 48, 166);
  Button1 = form.Make<TButton>(TRect{80, 216, 81, 25}, "OK");
  Button1->SetName("Button1");
  Button1->OnClick = [this] { Button1Click(); };
  // A screen reader reads the dialog's description once, as the dialog opens: the whole content,
  // which its labels show one by one for review.
  form.SetAccessibleDescription(Label1->Caption() + ". " + Label3->Caption() + ". " +
                                Label4->Caption() + ".");
}

void TForm3::ShowModal() {
  form_->ShowModal();
}

void TForm3::Button1Click() {
  form_->Close();
}

}  // namespace gapwise
