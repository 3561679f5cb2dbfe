// Helpers for driving the main window in tests: temporary settings hives, a seeded window, keys
// to the focused control, and observers that read and close message boxes and count beeps.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/store.h"
#include "ui/main_window.h"
#include "ui/toolkit/message_box.h"

namespace gapwise::testing {

// A user hive and a machine hive in a temporary folder; nothing touches the user's own files.
class TTempHives {
 public:
  THivePaths Paths() const {
    return {dir_.filePath("user/registry.reg").toStdString(),
            dir_.filePath("machine.reg").toStdString()};
  }
  QString Folder() const { return dir_.path(); }
  bool UserHiveExists() const { return QFile::exists(QString::fromStdString(Paths().CurrentUser)); }

  void Store(const TDrillSettings& settings) const {
    TRegistry registry(Paths());
    SaveSettings(settings, registry);
  }
  TDrillSettings Stored() const {
    TRegistry registry(Paths());
    TDrillSettings settings;
    std::string folder;
    LoadSettings(settings, folder, registry);
    return settings;
  }
  void WriteUserHive(const QByteArray& values) const {
    Write(Paths().CurrentUser, "HKEY_CURRENT_USER", values);
  }
  void WriteMachineHive(const QByteArray& values) const {
    Write(Paths().LocalMachine, "HKEY_LOCAL_MACHINE", values);
  }

 private:
  static void Write(const std::string& path, const char* root, const QByteArray& values) {
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("REGEDIT4\r\n\r\n[" + QByteArray(root) + "\\Software\\Ardentree\\Gapwise]\r\n" +
               values);
  }

  QTemporaryDir dir_;
};

// Every message box that opens, with its icon; each is closed by Enter once it runs, after an
// optional check that runs while it is open.
class TBoxes {
 public:
  TBoxes() {
    SetMessageBoxObserver([this](QMessageBox& box) {
      texts.push_back(box.text());
      icons.push_back(box.icon());
      titles.push_back(box.windowTitle());
      if (whileOpen) whileOpen();
      QTest::keyClick(&box, Qt::Key_Return);
    });
    SetBeepObserver([this] { ++beeps; });
  }
  ~TBoxes() {
    CloseStrayBoxes();
    SetBeepObserver({});
  }

  // A box that no test expects is closed at once with a warning, so that a test never hangs.
  static void CloseStrayBoxes() {
    SetMessageBoxObserver([](QMessageBox& box) {
      qWarning("unexpected message box: %s", qPrintable(box.text()));
      box.done(0);
    });
  }

  std::vector<QString> texts;
  std::vector<QMessageBox::Icon> icons;
  std::vector<QString> titles;
  std::function<void()> whileOpen;
  int beeps = 0;
};

// A window on the hives with a fixed seed, shown and active.
inline std::unique_ptr<TForm1> OpenForm(const TTempHives& hives, std::uint32_t seed = 1234) {
  auto form = std::make_unique<TForm1>(TForm1Setup{hives.Paths(), [seed] { return seed; }});
  form->show();
  QApplication::setActiveWindow(form.get());
  static_cast<void>(QTest::qWaitForWindowActive(form.get()));
  return form;
}

// A key pressed on the keyboard: it goes to the focused control, or to the window without one.
inline void Press(TForm1& form, Qt::Key key) {
  QWidget* target = form.focusWidget() != nullptr ? form.focusWidget() : &form;
  QTest::keyClick(target, key);
}

inline void Type(TForm1& form, const std::string& text) {
  for (const char c : text) {
    QWidget* target = form.focusWidget() != nullptr ? form.focusWidget() : &form;
    QTest::keyClick(target, c);
  }
}

// Runs `check` on the modal dialog once it is open, then closes it the given way.
inline void WhenModal(const std::function<void(QWidget& dialog)>& check) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, check] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    poll->stop();
    poll->deleteLater();
    check(*dialog);
  });
  poll->start(5);
}

}  // namespace gapwise::testing
