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
      case panel::Kind::Text: {
        auto* text = new QPlainTextEdit(this);
        text->setReadOnly(true);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->setTabChangesFocus(true);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        text->installEventFilter(this);
        widget = text;
        break;
      }
      case panel::Kind::Grid: {
        auto* grid = new QTableWidget(this);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setTabKeyNavigation(false);
        grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        grid->horizontalHeader()->setMinimumSectionSize(panel::toPixels(420));
        grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grid->verticalHeader()->setDefaultSectionSize(panel::toPixels(270));
        widget = grid;
        break;
      }
      case panel::Kind::Key: {
        auto* key = new QPushButton(qs(row.caption), this);
        key->setDefault(row.defaultKey);
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
        widget = key;
        break;
      }
      case panel::Kind::Frame:
      case panel::Kind::TextBox:
      case panel::Kind::Image:
        continue;  // no box of the menus has one
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

void runBox(panel::BoxDesk& desk, QWidget* owner, const std::function<void()>& changed,
            const std::function<void(BoxDialog&, panel::Output)>& output) {
  BoxDialog dialog(*desk.box(), owner);
  dialog.draw(desk.shown());
  // What every action in the box is followed by.
  const auto after = [&](const std::string& problem) {
    if (desk.box() == &dialog.design()) {
      dialog.draw(desk.shown());
    } else {
      dialog.accept();
    }
    changed();
    if (!problem.empty()) {
      showMessageBox(desk.box() != nullptr ? static_cast<QWidget*>(&dialog) : owner, problem);
    }
  };
  const auto name = [](const QString& text) { return text.toStdString(); };
  QObject::connect(&dialog, &BoxDialog::edited, &dialog,
                   [&](const QString& field, const QString& text) {
                     desk.edit(name(field), name(text));
                     after({});
                   });
  QObject::connect(&dialog, &BoxDialog::selected, &dialog, [&](const QString& list, int row) {
    desk.select(name(list), row);
    after({});
  });
  QObject::connect(&dialog, &BoxDialog::activated, &dialog,
                   [&](const QString& list) { after(desk.activate(name(list))); });
  QObject::connect(&dialog, &BoxDialog::pressed, &dialog,
                   [&](const QString& key) { after(desk.press(name(key))); });
  QObject::connect(&dialog, &BoxDialog::output, &dialog, [&](panel::Output out) {
    if (output) output(dialog, out);
  });
  dialog.exec();
  // Closed by Esc or the title bar's button: the desk closes the box too.
  if (desk.box() == &dialog.design()) desk.close();
  changed();
}

}  // namespace vardel::ui
