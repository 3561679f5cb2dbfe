// The main window's fixed layout: every control at its place, size, colour and font.
#include <QPushButton>
#include <QRadioButton>

#include "ui/accessibility.h"
#include "ui/main_window.h"
#include "ui/puzzle_area.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/key_preview.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/panel.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/static_text.h"
#include "ui/toolkit/timer.h"

namespace gapwise {
namespace {

const QColor kMoneyGreen(192, 220, 192);
const QColor kSkyBlue(166, 202, 240);

void SetColors(QWidget* widget, const QColor& background, const QColor& text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::ButtonText, text);
  widget->setPalette(palette);
}

}  // namespace

QPushButton* TForm1::MakeButton(const QRect& bounds, const QString& caption) {
  auto* button = new QPushButton(caption, this);
  button->setGeometry(bounds);
  button->setAutoDefault(false);
  return button;
}

// Made back to front, so that a later control covers an earlier one where they overlap.
void TForm1::CreateControls() {
  setWindowTitle(QStringLiteral("Gapwise"));
  setFixedSize(257, 389);
  SetColors(this, kMoneyGreen, Qt::black);
  setAutoFillBackground(true);
  setFont(PixelFont(16));
  Panel1 = new TPanel(this, QRect(0, 0, 169, 209), Qt::white);
  Puzzle = std::make_unique<TPuzzleArea>(Panel1);
  Button1 = MakeButton(QRect(184, 216, 65, 25), QStringLiteral("Check"));
  Button1->setDefault(true);  // drawn as the default button; the key preview presses it
  RadioGroup1 = new TRadioGroup(this, QRect(168, 0, 89, 209));
  SetColors(RadioGroup1, Qt::black, Qt::white);
  RadioGroup1->setFont(PixelFont(19, fsItalic));
  RadioGroup1->SetCaption(QStringLiteral("  ? is : "));
  RadioGroup1->SetItems({"23", "45", "68", "99"});
  Button2 = MakeButton(QRect(184, 360, 65, 25), QStringLiteral("Exit"));
  CreateScoreArea();
  Button3 = MakeButton(QRect(184, 296, 65, 25), QStringLiteral("Options"));
  Button4 = MakeButton(QRect(184, 328, 65, 25), QStringLiteral("Info"));
  StaticText1 = new TStaticText(this, QRect(192, 88, 35, 30));
  StaticText1->setFont(PixelFont(21, fsItalic));
  Button5 = MakeButton(QRect(2, 2, 23, 23), QStringLiteral("?"));
  Button5->setFont(PixelFont(19, fsBold));
  Timer1 = new TTimer(this);
  keyPreview_ = new TKeyPreview(this, Button1);
  SetTabOrder();
  MakeReadable(*this);
}

// Panel2 reaches past the bottom of the window, which clips it.
void TForm1::CreateScoreArea() {
  Panel2 = new TPanel(this, QRect(0, 208, 169, 185), kSkyBlue);
  const QFont bold = PixelFont(16, fsBold);
  const auto title = [&](int top, const char* caption) {
    auto* label = new TLabel(Panel2, QRect(16, top, 0, 0), QString::fromLatin1(caption), true);
    label->SetFontAndColor(bold, Qt::black);
    return label;
  };
  const auto counter = [&](int top) {
    return new TLabel(Panel2, QRect(80, top, 49, 17), QStringLiteral("0"), false, Qt::AlignRight);
  };
  Label4 = title(24, "Right :");
  Label5 = title(48, "Wrong :");
  Label6 = title(72, "Total :");
  Label7 = counter(24);
  Label9 = counter(48);
  Label10 = counter(72);
  Label12 = title(112, "Time left :");
  Label13 = new TLabel(Panel2, QRect(kSecondsLeft, 112, 0, 0), QStringLiteral("200"), true);
  Label13->SetFontAndColor(bold, Qt::red);
}

// Only the push buttons and the choice list's radio buttons take the focus.
void TForm1::SetTabOrder() {
  for (QWidget* w : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Panel2),
                     static_cast<QWidget*>(StaticText1), static_cast<QWidget*>(RadioGroup1)}) {
    w->setFocusPolicy(Qt::NoFocus);
  }
  QWidget* previous = RadioGroup1->Button(RadioGroup1->Count() - 1);
  for (QWidget* next : {Button1, Button3, Button4, Button2, Button5}) {
    QWidget::setTabOrder(previous, next);
    previous = next;
  }
}

}  // namespace gapwise
