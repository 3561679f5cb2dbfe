#include "ui/info_dialog.h"

#include <QLabel>
#include <QPushButton>

namespace gapwise {
namespace {

constexpr const char* kProduct = "Gapwise 1.0";
constexpr const char* kWebSite = "www.ardentree.eu";
constexpr const char* kEmail = "info@ardentree.eu";

}  // namespace

TForm3::TForm3(QWidget* owner) : TDialogForm(owner, "Info", QSize(231, 254)) {
  setObjectName("Form3");
  CreateControls();
}

void TForm3::CreateControls() {
  // Two pixels wider than the client area, as laid out; the text is centred on the wider box.
  Label1 =
      MakeLabel(this, "Label1", kProduct, QRect(0, 16, 233, 25), Qt::AlignHCenter | Qt::AlignTop);
  Label3 = MakeAutoSizeLabel(this, "Label3", QString("internet site:  ") + kWebSite,
                             QPoint(16, 140), 19);
  Label4 = MakeAutoSizeLabel(this, "Label4", QString("e-mail:  ") + kEmail, QPoint(48, 166), 19);
  Button1 = MakeButton(this, "Button1", "OK", QRect(80, 216, 81, 25));
  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

void TForm3::Button1Click() {
  accept();
}

}  // namespace gapwise
