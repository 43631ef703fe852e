#pragma once

#include <QObject>
#include <string>

#include "panel/department_desk.h"
#include "panel/menus.h"

class QMenu;
class QWidget;

namespace vardel::ui {

// The Department menu of the window's menu bar, built from its design, and
// its boxes, each shown modally while the desk keeps it open. Files to
// import and export are chosen here, in the toolkit's file boxes; what they
// hold is the desk's business. After each action `changed` asks the window
// to draw the state: the title, the mark and a recalled line's display. The
// pump chart is the working desk's: its item asks the window for it.
class DepartmentMenu : public QObject {
  Q_OBJECT

 public:
  DepartmentMenu(panel::DepartmentDesk& desk, QWidget* window);

  QMenu* menu() const { return menu_; }

 signals:
  void changed();
  void chartChosen();

 private:
  void choose(panel::Command command);
  void importFile();
  void exportFile();
  void runBox();
  void tell(QWidget* over, const std::string& problem);

  panel::DepartmentDesk& desk_;
  QWidget* window_;
  QMenu* menu_;
};

}  // namespace vardel::ui
