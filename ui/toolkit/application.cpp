#include "ui/toolkit/application.h"

#include <QStyle>
#include <QStyleFactory>
#include <cstdlib>
#include <exception>

#include "ui/toolkit/accessible_widgets.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/message_box.h"

namespace gapwise {
namespace {

QString& Title() {
  static QString title = QStringLiteral("Gapwise");
  return title;
}

// Before the application exists: whole-number scale factors keep the pixel grid exact. On X,
// the window's updates are small (the seconds left, once a second): sending them over the
// connection costs fewer wake-ups than shared-memory images, which each await a completion event.
int& BeforeApplication(int& argc) {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  return argc;
}

}  // namespace

QString ApplicationTitle() {
  return Title();
}

void SetApplicationTitle(const QString& title) {
  Title() = title;
}

void PreferOffscreenWithoutDisplay() {
  const auto unset = [](const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr || *value == '\0';
  };
  if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM")) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
}

QString ErrorText(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return QString::fromLocal8Bit(e.what());
  } catch (...) {
    return QStringLiteral("An unknown error occurred");
  }
}

void RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    ShowError(ErrorText(std::current_exception()));
  }
}

TApplication::TApplication(int& argc, char** argv) : QApplication(BeforeApplication(argc), argv) {
  QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
  if (style) {
    setStyle(style);
    setPalette(style->standardPalette());
  }
  setFont(PixelFont(16));
  InstallAccessibleWidgets();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ShowError(ErrorText(std::current_exception()));
  }
  return false;
}

}  // namespace gapwise
