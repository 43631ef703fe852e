// Writes a picture of the panel as it opens, menu bar included, for the
// README: vardel-screenshot OUTPUT.png. Runs without a display.
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "core/app_info.h"
#include "ui/panel_window.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("usage: vardel-screenshot OUTPUT.png\n", stderr);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(vardel::app_info::kTitle));
  vardel::ui::frmVardel window;
  window.show();
  QApplication::processEvents();
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fputs("vardel-screenshot: cannot write the picture\n", stderr);
    return 1;
  }
  return 0;
}
