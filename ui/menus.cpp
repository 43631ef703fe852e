#include "ui/menus.h"

#include <QAction>
#include <QMenu>
#include <utility>
#include <vector>

#include "ui/controls.h"

namespace vardel::ui {

QMenu* makeMenu(const panel::Menu& design, QWidget* owner, const panel::Desks& desks,
                const std::function<void(panel::Command)>& chosen) {
  auto* menu = new QMenu(qs(design.caption), owner);
  menu->setObjectName(qs(design.name));
  std::vector<std::pair<QAction*, panel::Command>> commands;
  for (const panel::MenuItem& item : design.items) {
    if (item.pageOnly) continue;
    QAction* action = menu->addAction(qs(item.caption));
    action->setObjectName(qs(item.name));
    action->setCheckable(item.checkable);
    const panel::Command command = item.command;
    commands.emplace_back(action, command);
    QObject::connect(action, &QAction::triggered, menu, [chosen, command] { chosen(command); });
  }
  QObject::connect(menu, &QMenu::aboutToShow, menu, [commands, &desks] {
    for (const auto& [action, command] : commands) {
      action->setEnabled(desks.enabled(command));
      if (action->isCheckable()) action->setChecked(desks.checked(command));
    }
  });
  return menu;
}

}  // namespace vardel::ui
