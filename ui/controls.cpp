#include "ui/controls.h"

#include <QMessageBox>
#include <algorithm>

#include "panel/message_box.h"

namespace vardel::ui {

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

void showMessageBox(QWidget* owner, const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(panel::messageBoxTitle(title)),
                  QString::fromStdString(text), QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  // Modal: the action that asked for the box waits here until OK.
  box.exec();
}

}  // namespace vardel::ui
