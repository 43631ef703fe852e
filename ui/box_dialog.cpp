#include "ui/box_dialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "ui/controls.h"

namespace vardel::ui {
namespace {

QStringList toStrings(const std::vector<std::string>& items) {
  QStringList out;
  for (const std::string& item : items) out << QString::fromStdString(item);
  return out;
}

template <typename List>
QStringList itemsOf(const List* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
  return out;
}

QStringList itemsOf(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

}  // namespace

BoxDialog::BoxDialog(const panel::Dialog& design, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      design_(design) {
  setObjectName(qs(design.name));
  setWindowTitle(QString::fromStdString(design.title));
  setFont(windowFont());
  setFixedSize(panel::toPixels(design.widthTwips), panel::toPixels(design.heightTwips));
  setSizeGripEnabled(false);

  std::vector<std::pair<int, QWidget*>> tabStops;
  for (const panel::Control& row : design.controls) {
    const QString name = qs(panel::designName(row));
    QWidget* widget = nullptr;
    switch (row.kind) {
      case panel::Kind::Label:
        widget = makeLabel(row, this);
        break;
      case panel::Kind::Line:
        widget = makeLine(row, this);
        widget->setGeometry(pixelRect(row.line, row.thickness));
        break;
      case panel::Kind::Field: {
        auto* field = new QLineEdit(this);
        connect(field, &QLineEdit::textEdited, this,
                [this, name](const QString& text) { emit edited(name, text); });
        widget = field;
        break;
      }
      case panel::Kind::List:
        if (row.dropDown) {
          auto* list = new QComboBox(this);
          connect(list, &QComboBox::activated, this,
                  [this, name](int at) { emit selected(name, at); });
          widget = list;
        } else {
          auto* list = new QListWidget(this);
          connect(list, &QListWidget::currentRowChanged, this, [this, name](int at) {
            if (!drawing_) emit selected(name, at);
          });
          connect(list, &QListWidget::itemDoubleClicked, this,
                  [this, name] { emit activated(name); });
          list->installEventFilter(this);
          widget = list;
        }
        break;
      case panel::Kind::Key: {
        auto* key = new QPushButton(qs(row.caption), this);
        key->setDefault(row.defaultKey);
        const bool cancel = row.closesBox;
        connect(key, &QPushButton::clicked, this, [this, name, cancel] {
          // The cancel key closes the box as Esc does.
          if (cancel) {
            reject();
          } else {
            emit pressed(name);
          }
        });
        widget = key;
        break;
      }
      case panel::Kind::Frame:
      case panel::Kind::TextBox:
      case panel::Kind::Image:
        continue;  // no box of the menu has one
    }
    widget->setObjectName(name);
    if (row.kind != panel::Kind::Line) widget->setGeometry(pixelRect(row.at));
    if (!row.accessibleName.empty()) widget->setAccessibleName(qs(row.accessibleName));
    if (row.tab >= 0) tabStops.emplace_back(row.tab, widget);
  }
  std::stable_sort(tabStops.begin(), tabStops.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tabStops.size(); ++i) {
    QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
  }
  if (!tabStops.empty()) tabStops.front().second->setFocus(Qt::OtherFocusReason);
}

void BoxDialog::draw(const std::vector<panel::Shown>& shown) {
  drawing_ = true;
  for (const panel::Shown& each : shown) {
    QWidget* widget = findChild<QWidget*>(QString::fromStdString(each.name));
    if (widget == nullptr) continue;
    const QString text = QString::fromStdString(each.text);
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
      // Set only when it differs, so that the cursor stays where the user types.
      if (field->text() != text) field->setText(text);
      field->setPlaceholderText(QString::fromStdString(each.placeholder));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      const QStringList items = toStrings(each.items);
      if (itemsOf(combo) != items) {
        combo->clear();
        combo->addItems(items);
      }
      combo->setCurrentIndex(each.selected);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
      const QStringList items = toStrings(each.items);
      if (itemsOf(list) != items) {
        list->clear();
        list->addItems(items);
      }
      list->setCurrentRow(each.selected);
    }
    widget->setEnabled(each.enabled);
  }
  drawing_ = false;
}

bool BoxDialog::eventFilter(QObject* watched, QEvent* event) {
  // Enter on a list activates its row; the box's default key stays unpressed.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watched->isWidgetType()) {
      emit activated(watched->objectName());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vardel::ui
