#include "ui/menus.h"

#include <QAction>
#include <QMenu>

#include "ui/controls.h"

namespace vardel::ui {

QMenu* makeMenu(const panel::Menu& design, QWidget* owner, const panel::Desks& desks,
                const std::function<void(panel::Command)>& chosen) {
  auto* menu = new QMenu(qs(design.caption), owner);
  menu->setObjectName(qs(design.name));
  for (const panel::MenuItem& item : design.items) {
    QAction* action = menu->addAction(qs(item.caption));
    action->setObjectName(qs(item.name));
    action->setCheckable(item.checkable);
    const panel::Command command = item.command;
    QObject::connect(action, &QAction::triggered, menu, [chosen, command] { chosen(command); });
  }
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &design, &desks] {
    const QList<QAction*> actions = menu->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
      const panel::Command command = design.items[static_cast<std::size_t>(i)].command;
      actions[i]->setEnabled(desks.enabled(command));
      if (actions[i]->isCheckable()) actions[i]->setChecked(desks.checked(command));
    }
  });
  return menu;
}

}  // namespace vardel::ui
