// Helpers for dialog tests: finding a control by name, its font, the ink of its text, and saving
// what a dialog shows.
#pragma once

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QString>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace gapwise::testing {

template <class T>
T* Control(QWidget& dialog, const char* name) {
  T* control = dialog.findChild<T*>(name);
  if (control == nullptr) qFatal("no control %s", name);
  return control;
}

// With GAPWISE_SCREENSHOTS naming a folder, the dialog as drawn is saved there as a PNG file.
inline void SaveScreenshot(QWidget& dialog, const QString& name) {
  const QString folder = qEnvironmentVariable("GAPWISE_SCREENSHOTS");
  if (folder.isEmpty()) return;
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QVERIFY(dialog.grab().save(folder + "/" + name + ".png"));
}

// Times New Roman, or where it is not installed Liberation Serif, which has its metrics.
inline bool IsTimesNewRoman(const QFont& font) {
  const QString family = QFontInfo(font).family();
  return family == QLatin1String("Times New Roman") || family == QLatin1String("Liberation Serif");
}

// The columns, in its parent's coordinates, that a label's or check box's text inks when the
// control has all the room it needs: drawn alone, widened away from its alignment.
inline std::pair<int, int> InkColumns(QWidget& control) {
  const QRect designed = control.geometry();
  const auto* label = qobject_cast<QLabel*>(&control);
  const Qt::Alignment alignment = label ? label->alignment() : Qt::AlignLeft;
  const int room = 200;
  const int before = alignment & Qt::AlignRight     ? room
                     : alignment & Qt::AlignHCenter ? room / 2
                                                    : 0;
  control.setGeometry(designed.adjusted(-before, 0, room - before, 0));
  const QImage image = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
  control.setGeometry(designed);
  const QRgb background = image.pixel(image.width() - 1, 0);
  int left = image.width();
  int right = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == background) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  return {designed.x() - before + left, designed.x() - before + right};
}

// Every label and check box shows its whole text: the ink it draws with room to spare lies
// within its own bounds and within the dialog's client area.
inline void VerifyTextsInsideClientArea(QWidget& dialog) {
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  for (QWidget* control : dialog.findChildren<QWidget*>()) {
    if (!qobject_cast<QLabel*>(control) && !control->inherits("QCheckBox")) continue;
    const auto [left, right] = InkColumns(*control);
    const QRect shown = control->geometry() & dialog.rect();
    const QString text = control->property("text").toString();
    QVERIFY2(left >= shown.left() && right <= shown.right(),
             qPrintable(QString("%1: ink %2..%3, shown %4..%5")
                            .arg(text)
                            .arg(left)
                            .arg(right)
                            .arg(shown.left())
                            .arg(shown.right())));
  }
}

}  // namespace gapwise::testing
