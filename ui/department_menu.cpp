#include "ui/department_menu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QSaveFile>
#include <QWidget>

#include "department/department_file.h"
#include "ui/box_dialog.h"
#include "ui/controls.h"

namespace vardel::ui {

DepartmentMenu::DepartmentMenu(panel::DepartmentDesk& desk, QWidget* window)
    : QObject(window), desk_(desk), window_(window) {
  const panel::Menu& design = panel::departmentMenu();
  menu_ = new QMenu(qs(design.caption), window);
  menu_->setObjectName(qs(design.name));
  for (const panel::MenuItem& item : design.items) {
    QAction* action = menu_->addAction(qs(item.caption));
    action->setObjectName(qs(item.name));
    action->setCheckable(item.checkable);
    const panel::Command command = item.command;
    connect(action, &QAction::triggered, this, [this, command] { choose(command); });
  }
  // The items' states change only through the desk, which is asked once,
  // as the menu opens.
  connect(menu_, &QMenu::aboutToShow, this, [this] {
    const auto items = panel::departmentMenu().items;
    const QList<QAction*> actions = menu_->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
      const panel::Command command = items[static_cast<std::size_t>(i)].command;
      actions[i]->setEnabled(desk_.enabled(command));
      if (actions[i]->isCheckable()) actions[i]->setChecked(desk_.checked(command));
    }
  });
}

void DepartmentMenu::choose(panel::Command command) {
  switch (command) {
    case panel::Command::Import:
      importFile();
      return;
    case panel::Command::Export:
      exportFile();
      return;
    case panel::Command::PumpChart:
      emit chartChosen();
      return;
    default: {
      const std::string problem = desk_.command(command);
      emit changed();
      tell(window_, problem);
      if (desk_.box() != nullptr) runBox();
    }
  }
}

void DepartmentMenu::importFile() {
  const QString path = QFileDialog::getOpenFileName(
      window_, QStringLiteral("Import department values"), QDir::homePath(),
      QStringLiteral("Department files (*.json);;All files (*)"));
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    tell(window_, "The file could not be read: " + file.errorString().toStdString());
    return;
  }
  // One byte beyond the largest file is enough to refuse a larger one.
  const QByteArray text = file.read(static_cast<qint64>(department_file::kLargest) + 1);
  tell(window_,
       desk_.import(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))));
  if (desk_.box() != nullptr) runBox();
}

void DepartmentMenu::exportFile() {
  const QString path =
      QFileDialog::getSaveFileName(window_, QStringLiteral("Export department values"),
                                   QDir::home().filePath(QStringLiteral("department.json")),
                                   QStringLiteral("Department files (*.json)"));
  if (path.isEmpty()) return;
  // Written beside the old file and renamed over it: a failure leaves the old one whole.
  QSaveFile file(path);
  const std::string text = desk_.exportFile();
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit()) {
    tell(window_, "The file could not be written: " + file.errorString().toStdString());
  }
}

void DepartmentMenu::runBox() {
  ui::runBox(desk_, window_, [this] { emit changed(); });
}

void DepartmentMenu::tell(QWidget* over, const std::string& problem) {
  if (!problem.empty()) showMessageBox(over, problem);
}

}  // namespace vardel::ui
