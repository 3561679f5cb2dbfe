// Helpers for driving the main window in tests: temporary settings hives, a seeded window, keys
// to the focused control, the widgets behind the controls, and observers that read and close
// message boxes and count beeps.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/hive/hive_registry.h"
#include "settings/store.h"
#include "tests/support/qt/toolkit_testing.h"
#include "ui/forms/main_window.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/radio_group.h"
#include "ui/toolkit/qt/widget.h"
#include "ui/toolkit/radio_group.h"

namespace gapwise::testing {

// The widget that shows a control, and a program text as Qt holds it.
inline QWidget* W(const TControl& control) {
  return qt::QtWidget(control);
}
inline QWidget* W(const TControl* control) {
  return qt::QtWidget(*control);
}
inline QWidget* Window(const TForm1& form) {
  return qt::QtWidget(form.Form());
}
inline QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// The radio button of item `index` of the main window's choice list.
inline QRadioButton* RadioButton(const TForm1& form, int index) {
  return qt::QtWidgetAs<qt::TRadioGroup>(*form.RadioGroup1)->Button(index);
}

// A user hive and a machine hive in a temporary folder; nothing touches the user's own files.
class TTempHives {
 public:
  TTempHives() : registry_(Paths()) {}

  THivePaths Paths() const {
    return {dir_.filePath("user/registry.reg").toStdString(),
            dir_.filePath("machine.reg").toStdString()};
  }
  THiveRegistry& Registry() { return registry_; }
  QString Folder() const { return dir_.path(); }
  bool UserHiveExists() const { return QFile::exists(QString::fromStdString(Paths().CurrentUser)); }

  void Store(const TDrillSettings& settings) const {
    THiveRegistry registry(Paths());
    SaveSettings(settings, registry);
  }
  TDrillSettings Stored() const {
    THiveRegistry registry(Paths());
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
  THiveRegistry registry_;
};

// Every message box that opens, with its icon; each is closed by Enter once it runs, after an
// optional check that runs while it is open.
class TBoxes {
 public:
  TBoxes() {
    qt_testing::SetMessageBoxObserver([this](QMessageBox& box) {
      texts.push_back(box.text());
      icons.push_back(box.icon());
      titles.push_back(box.windowTitle());
      if (whileOpen) whileOpen();
      QTest::keyClick(&box, Qt::Key_Return);
    });
    qt_testing::SetBeepObserver([this] { ++beeps; });
  }
  ~TBoxes() {
    CloseStrayBoxes();
    qt_testing::SetBeepObserver({});
  }

  // A box that no test expects is closed at once with a warning, so that a test never hangs.
  static void CloseStrayBoxes() {
    qt_testing::SetMessageBoxObserver([](QMessageBox& box) {
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

// A window on the hives with a fixed seed.
inline std::unique_ptr<TForm1> MakeForm(TTempHives& hives, std::uint32_t seed = 1234) {
  return std::make_unique<TForm1>(TForm1Setup{&hives.Registry(), [seed] { return seed; }});
}

// The same, shown and active.
inline std::unique_ptr<TForm1> OpenForm(TTempHives& hives, std::uint32_t seed = 1234) {
  auto form = MakeForm(hives, seed);
  form->Form().Show();
  QApplication::setActiveWindow(Window(*form));
  static_cast<void>(QTest::qWaitForWindowActive(Window(*form)));
  return form;
}

// The control that has the keyboard focus in the window.
inline QWidget* Focus(const TForm1& form) {
  return Window(form)->focusWidget();
}

// A key pressed on the keyboard: it goes to the focused control, or to the window without one.
inline void Press(TForm1& form, Qt::Key key) {
  QWidget* target = Focus(form) != nullptr ? Focus(form) : Window(form);
  QTest::keyClick(target, key);
}

inline void Type(TForm1& form, const std::string& text) {
  for (const char c : text) {
    QWidget* target = Focus(form) != nullptr ? Focus(form) : Window(form);
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
