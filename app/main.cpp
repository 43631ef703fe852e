#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/startup_messages.h"
#include "core/app_info.h"
#include "ui/panel_window.h"

namespace {

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

int main(int, char* argv[]) {
  // Without a display the toolkit would abort with a long message; one line
  // says what is wrong. A chosen platform (such as offscreen) is respected.
  if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !isSet("QT_QPA_PLATFORM")) {
    std::fputs("vardel: no display to show the window on (DISPLAY is not set)\n", stderr);
    return 1;
  }
  // The program takes no options: the toolkit is shown the program's name
  // only, so that no argument chooses another display, platform or style.
  int toolkitArgc = 1;
  vardel::app::StartupMessages startupMessages;
  QApplication application(toolkitArgc, argv);
  startupMessages.release();
  QApplication::setApplicationName(QString::fromUtf8(vardel::app_info::kTitle));
  QApplication::setApplicationDisplayName(QString::fromUtf8(vardel::app_info::kTitle));
  QApplication::setApplicationVersion(QString::fromUtf8(vardel::app_info::kVersion));
  QApplication::setDesktopFileName(QString::fromUtf8(vardel::app_info::kAppId));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

  vardel::ui::frmVardel window;
  window.show();
  return QApplication::exec();
}
