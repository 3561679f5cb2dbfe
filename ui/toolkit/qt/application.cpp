#include "ui/toolkit/qt/application.h"

#include <QStyle>
#include <QStyleFactory>
#include <cstdlib>
#include <exception>

#include "ui/toolkit/qt/accessible_widgets.h"
#include "ui/toolkit/qt/fonts.h"
#include "ui/toolkit/services.h"

namespace gapwise::qt {
namespace {

// Before the application exists: whole-number scale factors keep the pixel grid exact. On X,
// the window's updates are small (the seconds left, once a second): sending them over the
// connection costs fewer wake-ups than shared-memory images, which each await a completion event.
int& BeforeApplication(int& argc) {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  return argc;
}

}  // namespace

void PreferOffscreenWithoutDisplay() {
  const auto unset = [](const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr || *value == '\0';
  };
  if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM")) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
}

TQtApplication::TQtApplication(int& argc, char** argv)
    : QApplication(BeforeApplication(argc), argv) {
  QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
  if (style) {
    setStyle(style);
    setPalette(style->standardPalette());
  }
  setFont(PixelFont(16));
  InstallAccessibleWidgets();
}

bool TQtApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ShowError(ErrorText(std::current_exception()));
  }
  return false;
}

}  // namespace gapwise::qt
