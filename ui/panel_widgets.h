#pragma once

#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace vardel::ui {

// A key of the panel: a push button with a flat face of one colour (the
// palette's Button colour), a thin bevel, and a caption that wraps onto a
// second line when the key is too narrow for it. Painted by hand so that
// every key looks the same under any style and start-up parses no style
// sheet; the focus stays visible as a dotted rectangle.
class PanelKey : public QPushButton {
  Q_OBJECT

 public:
  explicit PanelKey(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A picture stretched to fill the control, not kept in proportion. The
// source is scaled smoothly to the control's size in device pixels, so the
// picture stays crisp on screens with more than one device pixel per pixel.
class StretchedImage : public QWidget {
  Q_OBJECT

 public:
  // The picture is read from `path` when it is first needed, at the first
  // paint: the window is on the screen before the picture is decoded.
  explicit StretchedImage(QString path, QWidget* parent = nullptr);

  const QImage& picture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString path_;
  mutable QImage picture_;  // read on first use, premultiplied
  QPixmap scaled_;          // picture_ at the last painted size, in device pixels
};

}  // namespace vardel::ui
