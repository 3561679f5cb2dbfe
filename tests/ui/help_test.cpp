// The "?" command: the help file's path, handing an existing file to the desktop's opener once
// per press, and "File missing" otherwise while the countdown timer keeps ticking.
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "tests/support/qt/toolkit_testing.h"
#include "ui/help.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/qt/application.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/timer.h"

namespace {

// Every path handed to the opener, and the text of every message box, which it closes after
// the timer has ticked `ticksWhileOpen` times behind it.
struct TObserved {
  QStringList opened;
  QStringList messages;
  gapwise::TTimer* timer = nullptr;
  int ticks = 0;
  int ticksWhileOpen = 0;

  TObserved() {
    gapwise::qt_testing::SetFileOpener([this](const QString& path) { opened << path; });
    gapwise::qt_testing::SetMessageBoxObserver([this](QMessageBox& box) {
      messages << box.text();
      const int before = ticks;
      if (timer != nullptr)
        static_cast<void>(QTest::qWaitFor([&] { return ticks >= before + 2; }, 5000));
      ticksWhileOpen = ticks - before;
      box.button(QMessageBox::Ok)->click();
    });
  }
  ~TObserved() {
    gapwise::qt_testing::SetFileOpener({});
    gapwise::qt_testing::SetMessageBoxObserver({});
  }
};

bool MakeFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write("ITSF") == 4;
}

}  // namespace

class THelpTest : public QObject {
  Q_OBJECT

 private slots:
  void path_data();
  void path();
  void fileThere_data();
  void fileThere();
  void fileMissing_data();
  void fileMissing();
};

void THelpTest::path_data() {
  QTest::addColumn<QString>("folder");
  QTest::addColumn<QString>("path");
  QTest::newRow("folder") << "/usr/share/gapwise"
                          << "/usr/share/gapwise/gapwise.chm";
  QTest::newRow("ending in the separator") << "/opt/gapwise/"
                                           << "/opt/gapwise//gapwise.chm";
  QTest::newRow("empty") << ""
                         << "/gapwise.chm";
  QTest::newRow("root") << "/"
                        << "//gapwise.chm";
  QTest::newRow("relative") << "share/gapwise"
                            << "share/gapwise/gapwise.chm";
  QTest::newRow("blanks kept") << "/a b "
                               << "/a b /gapwise.chm";
}

void THelpTest::path() {
  QFETCH(QString, folder);
  QFETCH(QString, path);
  QCOMPARE(QString::fromStdString(gapwise::HelpFilePath(folder.toStdString())), path);
}

void THelpTest::fileThere_data() {
  QTest::addColumn<QString>("suffix");  // appended to the folder that holds gapwise.chm
  QTest::addColumn<bool>("throughLink");
  QTest::newRow("folder") << "" << false;
  QTest::newRow("folder ending in the separator") << "/" << false;
  QTest::newRow("help file is a link to a file") << "" << true;
}

// Each press hands the unchanged path to the opener once, and shows no message.
void THelpTest::fileThere() {
  QFETCH(QString, suffix);
  QFETCH(bool, throughLink);
  QTemporaryDir folder;
  const QString help = folder.path() + "/gapwise.chm";
  if (throughLink) {
    QVERIFY(MakeFile(folder.path() + "/real.chm"));
    QVERIFY(QFile::link(folder.path() + "/real.chm", help));
  } else {
    QVERIFY(MakeFile(help));
  }
  TObserved observed;
  gapwise::TForm owner(nullptr, gapwise::bsSingle);
  const QString installFolder = folder.path() + suffix;
  gapwise::OpenHelp(&owner, installFolder.toStdString());
  gapwise::OpenHelp(&owner, installFolder.toStdString());
  const QString expected = installFolder + "/gapwise.chm";
  QCOMPARE(observed.opened, (QStringList{expected, expected}));
  QCOMPARE(observed.messages, QStringList{});
}

void THelpTest::fileMissing_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("no file") << "none";
  QTest::newRow("folder in its place") << "folder";
  QTest::newRow("link to nothing") << "dangling";
  QTest::newRow("folder does not exist") << "no folder";
}

// "File missing" in a message box, during which the countdown's timer keeps ticking.
void THelpTest::fileMissing() {
  QFETCH(QString, kind);
  QTemporaryDir folder;
  QString installFolder = folder.path();
  const QString help = installFolder + "/gapwise.chm";
  if (kind == "folder") QVERIFY(QDir().mkdir(help));
  if (kind == "dangling") QVERIFY(QFile::link(installFolder + "/gone.chm", help));
  if (kind == "no folder") installFolder += "/absent";
  TObserved observed;
  gapwise::TTimer timer(20);
  timer.OnTimer = [&observed] { ++observed.ticks; };
  observed.timer = &timer;
  gapwise::TForm owner(nullptr, gapwise::bsSingle);
  gapwise::OpenHelp(&owner, installFolder.toStdString());
  QCOMPARE(observed.messages, QStringList{"File missing"});
  QCOMPARE(observed.opened, QStringList{});
  QVERIFY2(observed.ticksWhileOpen >= 2, "the timer stood still while the message was open");
  QVERIFY(timer.Enabled());
}

int main(int argc, char** argv) {
  gapwise::qt::PreferOffscreenWithoutDisplay();
  gapwise::TApplication application(argc, argv, "Gapwise");
  THelpTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "help_test.moc"
