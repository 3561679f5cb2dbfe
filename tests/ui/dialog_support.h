// Helpers for dialog tests: finding a control by name, and saving what a dialog shows.
#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

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

}  // namespace gapwise::testing
