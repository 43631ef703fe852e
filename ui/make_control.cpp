#include "ui/make_control.h"

#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <cstdint>

#include "panel/colours.h"
#include "panel/spoken_names.h"
#include "ui/controls.h"
#include "ui/panel_widgets.h"

namespace vardel::ui {
namespace {

using panel::Align;
using panel::Control;
using panel::Kind;
namespace colours = panel::colours;

QColor colour(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

Qt::Alignment alignmentOf(Align align) {
  switch (align) {
    case Align::Centre:
      return Qt::AlignHCenter;
    case Align::Right:
      return Qt::AlignRight;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

// Sets a colour in the active, inactive and disabled groups alike.
void setAllGroups(QPalette& palette, QPalette::ColorRole role, const QColor& value) {
  palette.setColor(QPalette::Active, role, value);
  palette.setColor(QPalette::Inactive, role, value);
  palette.setColor(QPalette::Disabled, role, value);
}

QWidget* makeKey(const Control& row, QWidget* parent) {
  auto* key = new PanelKey(parent);
  key->setText(qs(row.caption));
  QPalette palette = key->palette();
  setAllGroups(palette, QPalette::Button, colour(row.back.value_or(colours::kLightBlue)));
  setAllGroups(palette, QPalette::ButtonText, colour(row.fore.value_or(colours::kBlack)));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, colour(colours::kBevelShadow));
  key->setPalette(palette);
  key->setAutoDefault(false);
  // A hidden key can never take the focus.
  key->setFocusPolicy(row.visible ? Qt::StrongFocus : Qt::NoFocus);
  if (row.index >= 0) key->setProperty("index", row.index);
  return key;
}

QWidget* makeLabel(const Control& row, QWidget* parent) {
  auto* label = new QLabel(parent);
  // Plain text always: the display's leading blank must show as a blank.
  label->setTextFormat(Qt::PlainText);
  label->setText(qs(row.caption));
  label->setWordWrap(row.wrap);
  QPalette palette = label->palette();
  if (row.back) {
    label->setAutoFillBackground(true);
    setAllGroups(palette, QPalette::Window, colour(*row.back));
  }
  if (row.fore) setAllGroups(palette, QPalette::WindowText, colour(*row.fore));
  label->setPalette(palette);
  if (row.border) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setIndent(3);
    label->setAlignment(alignmentOf(row.align) | Qt::AlignVCenter);
  } else {
    label->setAlignment(alignmentOf(row.align) | Qt::AlignTop);
  }
  return label;
}

QWidget* makeTextBox(const Control& row, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setText(qs(row.caption));
  QPalette palette = box->palette();
  // The disabled indicator keeps its black text on white.
  if (row.back) setAllGroups(palette, QPalette::Base, colour(*row.back));
  if (row.fore) setAllGroups(palette, QPalette::Text, colour(*row.fore));
  box->setPalette(palette);
  box->setFocusPolicy(Qt::NoFocus);
  box->setReadOnly(true);
  return box;
}

QWidget* makeFrame(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  return frame;
}

QWidget* makeLine(const Control& row, QWidget* parent) {
  auto* line = new QWidget(parent);
  line->setAutoFillBackground(true);
  if (row.fore) {
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour(*row.fore));
    line->setPalette(palette);
  } else {
    line->setBackgroundRole(QPalette::WindowText);
  }
  if (row.index >= 0) line->setProperty("index", row.index);
  return line;
}

// A key of a box: the toolkit's own push button, Enter's when it is the
// box's default key.
QWidget* makeBoxKey(const Control& row, QWidget* parent) {
  auto* key = new QPushButton(qs(row.caption), parent);
  key->setDefault(row.defaultKey);
  return key;
}

QWidget* makeImage(const Control& row, QWidget* parent) {
  if (row.picture == panel::Picture::Brand) {
    return new StretchedImage(QStringLiteral(":/pictures/brand.gif"), parent);
  }
  auto* image = new QLabel(parent);
  image->setPixmap(QPixmap(QStringLiteral(":/pictures/icon.png")));
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return image;
}

QWidget* makeList(const Control& row, QWidget* parent) {
  if (row.dropDown) return new QComboBox(parent);
  return new QListWidget(parent);
}

QWidget* makeText(QWidget* parent) {
  auto* text = new QPlainTextEdit(parent);
  text->setReadOnly(true);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text->setTabChangesFocus(true);
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return text;
}

QWidget* makeGrid(QWidget* parent) {
  auto* grid = new QTableWidget(parent);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setTabKeyNavigation(false);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid->horizontalHeader()->setMinimumSectionSize(panel::toPixels(420));
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(panel::toPixels(270));
  return grid;
}

QWidget* makeWidget(const Control& row, QWidget* parent) {
  switch (row.kind) {
    case Kind::Key:
      return row.key ? makeKey(row, parent) : makeBoxKey(row, parent);
    case Kind::Label:
      return makeLabel(row, parent);
    case Kind::TextBox:
      return makeTextBox(row, parent);
    case Kind::Frame:
      return makeFrame(parent);
    case Kind::Image:
      return makeImage(row, parent);
    case Kind::Line:
      return makeLine(row, parent);
    case Kind::Field:
      return new QLineEdit(parent);
    case Kind::List:
      return makeList(row, parent);
    case Kind::Text:
      return makeText(parent);
    case Kind::Grid:
      return makeGrid(parent);
  }
  return new QWidget(parent);
}

}  // namespace

QWidget* makeControl(const Control& row, QWidget* parent) {
  QWidget* widget = makeWidget(row, parent);
  widget->setObjectName(qs(row.name));
  widget->setGeometry(row.kind == Kind::Line ? pixelRect(row.line, row.thickness)
                                             : pixelRect(row.at));
  if (!row.font.face.empty()) widget->setFont(fontOf(row.font));
  if (!row.enabled) widget->setEnabled(false);
  if (!row.visible) widget->setHidden(true);
  if (!row.accessibleName.empty()) widget->setAccessibleName(qs(panel::spokenName(row)));
  if (!row.toolTip.empty()) widget->setToolTip(qs(row.toolTip));
  return widget;
}

QWidget* orderTabs(std::vector<std::pair<int, QWidget*>> stops) {
  std::stable_sort(stops.begin(), stops.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < stops.size(); ++i) {
    QWidget::setTabOrder(stops[i - 1].second, stops[i].second);
  }
  return stops.empty() ? nullptr : stops.front().second;
}

}  // namespace vardel::ui
