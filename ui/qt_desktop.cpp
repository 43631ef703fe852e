#include "ui/qt_desktop.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

#include "ui/controls.h"

namespace vardel::ui {

bool QtDesktop::fileExists(const std::string& path) {
  return QFileInfo::exists(QString::fromStdString(path));
}

bool QtDesktop::startProgram(const std::string& path) {
  return QProcess::startDetached(QString::fromStdString(path), {});
}

void QtDesktop::showMessage(const std::string& text) { showMessageBox(owner_, text); }

}  // namespace vardel::ui
