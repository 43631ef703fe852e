#pragma once

#include <QObject>
#include <string>

#include "panel/department_desk.h"
#include "panel/menus.h"

class QMenu;
class QWidget;

namespace vardel::ui {

class BoxDialog;

// The Department menu of the window's menu bar, built from its design, and
// its boxes, each shown modally while the desk keeps it open. Files to
// import and export are chosen here, in the toolkit's file boxes; what they
// hold is the desk's business. After each action `changed` asks the window
// to draw the state: the title, the mark and a recalled line's display.
class DepartmentMenu : public QObject {
  Q_OBJECT

 public:
  DepartmentMenu(panel::DepartmentDesk& desk, QWidget* window);

  QMenu* menu() const { return menu_; }

 signals:
  void changed();

 private:
  void choose(panel::Command command);
  void importFile();
  void exportFile();
  // Shows the desk's open box until the desk closes it or the user does.
  void runBox();
  // What every action in a box is followed by: the box drawn (or closed),
  // the window drawn, and a refusal told.
  void after(BoxDialog& dialog, const std::string& problem);
  void tell(QWidget* over, const std::string& problem);

  panel::DepartmentDesk& desk_;
  QWidget* window_;
  QMenu* menu_;
};

}  // namespace vardel::ui
