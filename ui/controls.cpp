#include "ui/controls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <algorithm>
#include <cstdint>

#include "panel/colours.h"
#include "panel/message_box.h"
#include "ui/panel_widgets.h"

namespace vardel::ui {
namespace {

using panel::Align;
using panel::Control;
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

}  // namespace

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont fontOf(const panel::Font& design) {
  QFont font(qs(design.face));
  font.setPointSizeF(design.points);
  font.setWeight(QFont::Normal);
  font.setStyle(QFont::StyleNormal);
  return font;
}

QFont windowFont() { return fontOf(panel::kWindowFont); }

QRect pixelRect(const panel::TwipsRect& at) {
  using panel::toPixels;
  return {toPixels(at.left), toPixels(at.top), toPixels(at.width), toPixels(at.height)};
}

QRect pixelRect(const panel::TwipsLine& line, int thickness) {
  using panel::toPixels;
  const int x1 = toPixels(line.x1), y1 = toPixels(line.y1);
  const int x2 = toPixels(line.x2), y2 = toPixels(line.y2);
  QRect rect(QPoint(std::min(x1, x2), std::min(y1, y2)),
             QPoint(std::max(x1, x2), std::max(y1, y2)));
  if (y1 == y2) return rect.adjusted(0, 0, 0, thickness - 1);
  return rect.adjusted(0, 0, thickness - 1, 0);
}

PanelKey* makeKey(const Control& row, QWidget* parent) {
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

QLabel* makeLabel(const Control& row, QWidget* parent) {
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

QLineEdit* makeTextBox(const Control& row, QWidget* parent) {
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

QFrame* makeFrame(QWidget* parent) {
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

void showMessageBox(QWidget* owner, const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(panel::messageBoxTitle(title)),
                  QString::fromStdString(text), QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  // Modal: the action that asked for the box waits here until OK.
  box.exec();
}

}  // namespace vardel::ui
