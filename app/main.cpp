#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/config_folder.h"
#include "app/startup_messages.h"
#include "app/system_file.h"
#include "core/app_info.h"
#include "department/department_store.h"
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
  // The toolkit looks for a screen reader only as it starts; joining the
  // accessibility bus at once lets a screen reader started later find the
  // window too.
  if (!isSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
    setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 0);
  // The program takes no options: the toolkit is shown the program's name
  // only, so that no argument chooses another display, platform or style.
  int toolkitArgc = 1;
  vardel::app::StartupMessages startupMessages;
  QApplication application(toolkitArgc, argv);
  startupMessages.release();
  // No display name: the toolkit would append it to every title, and the
  // message boxes and the About box carry exactly their designed titles.
  QApplication::setApplicationName(QString::fromUtf8(vardel::app_info::kTitle));
  QApplication::setApplicationVersion(QString::fromUtf8(vardel::app_info::kVersion));
  QApplication::setDesktopFileName(QString::fromUtf8(vardel::app_info::kAppId));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

  // The department's values, kept in the user's configuration folder, and
  // those the system's folders issue; with no folder to keep them in, the
  // window has no Department menu.
  std::unique_ptr<vardel::app::ConfigFolderStorage> storage;
  std::unique_ptr<vardel::app::SystemFile> issued;
  std::unique_ptr<vardel::DepartmentStore> department;
  if (const auto folder = vardel::app::ConfigFolderStorage::userFolder()) {
    storage = std::make_unique<vardel::app::ConfigFolderStorage>(*folder);
    issued = std::make_unique<vardel::app::SystemFile>(vardel::app::SystemFile::systemFolders(),
                                                       *folder);
    department = std::make_unique<vardel::DepartmentStore>(*storage, issued.get());
  }
  vardel::ui::frmVardel window(department.get());
  window.show();
  return QApplication::exec();
}
