#include "ui/box_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <utility>

#include "panel/colours.h"
#include "ui/controls.h"
#include "ui/make_control.h"

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

// A grid drawn again whole: its first row the column headings, each further
// row's first cell the row's heading, the marked cells on light yellow. The
// corner cell says what the headings count, to a screen reader.
void drawGrid(QTableWidget* table, const panel::Shown& shown) {
  const auto columns = static_cast<std::size_t>(std::max(shown.columns, 1));
  const std::size_t rows = shown.items.size() / columns;
  table->clear();
  table->setColumnCount(rows > 0 ? static_cast<int>(columns) - 1 : 0);
  table->setRowCount(rows > 0 ? static_cast<int>(rows) - 1 : 0);
  if (rows == 0) return;
  table->setAccessibleDescription(QString::fromStdString(shown.items[0]));
  for (std::size_t c = 1; c < columns; ++c) {
    table->setHorizontalHeaderItem(static_cast<int>(c) - 1,
                                   new QTableWidgetItem(QString::fromStdString(shown.items[c])));
  }
  for (std::size_t r = 1; r < rows; ++r) {
    table->setVerticalHeaderItem(
        static_cast<int>(r) - 1,
        new QTableWidgetItem(QString::fromStdString(shown.items[r * columns])));
    for (std::size_t c = 1; c < columns; ++c) {
      const std::size_t at = r * columns + c;
      auto* cell = new QTableWidgetItem(QString::fromStdString(shown.items[at]));
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      if (std::find(shown.marked.begin(), shown.marked.end(), static_cast<int>(at)) !=
          shown.marked.end()) {
        cell->setBackground(QColor::fromRgb(panel::colours::kLightYellow));
      }
      table->setItem(static_cast<int>(r) - 1, static_cast<int>(c) - 1, cell);
    }
  }
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
    QWidget* widget = makeControl(row, this);
    // In a box every control goes by its design name, index and all, as
    // its desk names it.
    const QString name = qs(panel::designName(row));
    widget->setObjectName(name);
    wire(row, widget, name);
    if (row.tab >= 0) tabStops.emplace_back(row.tab, widget);
  }
  if (QWidget* first = orderTabs(std::move(tabStops))) first->setFocus(Qt::OtherFocusReason);
}

void BoxDialog::wire(const panel::Control& row, QWidget* widget, const QString& name) {
  if (auto* field = qobject_cast<QLineEdit*>(widget)) {
    connect(field, &QLineEdit::textEdited, this,
            [this, name](const QString& text) { emit edited(name, text); });
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    connect(combo, &QComboBox::activated, this, [this, name](int at) { emit selected(name, at); });
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    connect(list, &QListWidget::currentRowChanged, this, [this, name](int at) {
      if (!drawing_) emit selected(name, at);
    });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, name] { emit activated(name); });
    list->installEventFilter(this);
  } else if (qobject_cast<QPlainTextEdit*>(widget) != nullptr) {
    widget->installEventFilter(this);
  } else if (auto* key = qobject_cast<QPushButton*>(widget)) {
    const bool cancel = row.closesBox;
    const panel::Output out = row.output;
    connect(key, &QPushButton::clicked, this, [this, name, cancel, out] {
      // The cancel key closes the box as Esc does.
      if (cancel) {
        reject();
      } else if (out != panel::Output::None) {
        emit output(out);
      } else {
        emit pressed(name);
      }
    });
  }
}

void BoxDialog::draw(const std::vector<panel::Shown>& shown) {
  drawing_ = true;
  bool described = false;
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
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
      if (plain->toPlainText() != text) plain->setPlainText(text);
      // The first text is what the box says to a screen reader.
      if (!described) setAccessibleDescription(text);
      described = true;
    } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
      drawGrid(table, each);
    }
    widget->setEnabled(each.enabled);
  }
  drawing_ = false;
}

bool BoxDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* press = static_cast<QKeyEvent*>(event);
    // Ctrl+C in a text with nothing selected copies all of it.
    if (auto* text = qobject_cast<QPlainTextEdit*>(watched)) {
      if (press->matches(QKeySequence::Copy) && !text->textCursor().hasSelection()) {
        QGuiApplication::clipboard()->setText(text->toPlainText());
        return true;
      }
      return QDialog::eventFilter(watched, event);
    }
    // Enter on a list activates its row; the box's default key stays unpressed.
    const int key = press->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watched->isWidgetType()) {
      emit activated(watched->objectName());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vardel::ui
