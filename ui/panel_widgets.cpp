#include "ui/panel_widgets.h"

#include <QPainter>
#include <QPen>
#include <utility>

#include "panel/colours.h"

namespace vardel::ui {

PanelKey::PanelKey(QWidget* parent) : QPushButton(parent) {
  // Keys are opaque: nothing behind them needs painting.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelKey::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect all = rect();
  const bool down = isDown() || isChecked();
  const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;

  painter.fillRect(all, palette().color(QPalette::Active, QPalette::Button));

  // A dark outline, doubled on the default key, and inside it a one-pixel
  // bevel: light above and left, shadow below and right; reversed while the
  // key is held down.
  const QColor outline = QColor::fromRgb(panel::colours::kOutline);
  const QColor light = QColor::fromRgb(panel::colours::kBevelLight);
  const QColor shadow = QColor::fromRgb(panel::colours::kBevelShadow);
  QRect edge = all.adjusted(0, 0, -1, -1);
  painter.setPen(outline);
  painter.drawRect(edge);
  if (isDefault()) {
    edge.adjust(1, 1, -1, -1);
    painter.drawRect(edge);
  }
  edge.adjust(1, 1, -1, -1);
  if (edge.width() > 1 && edge.height() > 1) {
    painter.setPen(down ? shadow : light);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(down ? light : shadow);
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
  }

  QRect textArea = edge.adjusted(1, 0, 0, 0);
  if (down) textArea.translate(1, 1);
  painter.setPen(palette().color(group, QPalette::ButtonText));
  painter.setFont(font());
  painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap, text());

  if (hasFocus()) {
    QPen dotted(palette().color(QPalette::Active, QPalette::ButtonText), 1, Qt::DotLine);
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(edge.adjusted(1, 1, -2, -2));
  }
}

StretchedImage::StretchedImage(QString path, QWidget* parent)
    : QWidget(parent), path_(std::move(path)) {}

const QImage& StretchedImage::picture() const {
  if (picture_.isNull() && !path_.isEmpty()) {
    picture_.load(path_);
    // Smooth scaling works on premultiplied pixels: converting once, in
    // place, spares a full-size copy of the picture at every scaling.
    picture_.convertTo(QImage::Format_ARGB32_Premultiplied);
  }
  return picture_;
}

void StretchedImage::paintEvent(QPaintEvent* /*event*/) {
  const QImage& source = picture();
  if (source.isNull()) return;
  const qreal ratio = devicePixelRatioF();
  const QSize device = (QSizeF(size()) * ratio).toSize();
  if (scaled_.size() != device || scaled_.devicePixelRatio() != ratio) {
    scaled_ =
        QPixmap::fromImage(source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scaled_.setDevicePixelRatio(ratio);
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, scaled_);
}

}  // namespace vardel::ui
