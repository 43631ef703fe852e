// The panel on a screen of two device pixels per pixel: drawn at full
// resolution in the designed proportions, not a doubled small picture.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include "ui/panel_window.h"
#include "window_test.h"

namespace {

// Aligned 2 x 2 blocks of `image` inside `area` (in device pixels) whose
// four pixels are not all alike. A picture drawn at one pixel and doubled
// has none.
int mixedBlocks(const QImage& image, const QRect& area) {
  int mixed = 0;
  for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
    for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
      const QRgb p = image.pixel(x, y);
      if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
          image.pixel(x + 1, y + 1) != p) {
        ++mixed;
      }
    }
  }
  return mixed;
}

QRect doubled(const QRect& r) { return {r.x() * 2, r.y() * 2, r.width() * 2, r.height() * 2}; }

}  // namespace

class HighDpiTest : public vardel::testing::WindowTest {
  Q_OBJECT

 private slots:
  void panelIsTwiceTheDesignedSize();
  void designedColoursAtDoubledPlaces();
  void captionsAreDrawnAtFullResolution();

 private:
  QWidget* panel() const { return window_->centralWidget(); }
  QWidget* child(const char* name, int index = -1) const {
    for (auto* widget : window_->findChildren<QWidget*>(name)) {
      if (index < 0 || widget->property("index").toInt() == index) return widget;
    }
    return nullptr;
  }
  // A control's rectangle in the panel, in device pixels.
  QRect deviceRect(const QWidget* widget) const {
    return doubled(QRect(widget->mapTo(panel(), QPoint(0, 0)), widget->size()));
  }
};

void HighDpiTest::panelIsTwiceTheDesignedSize() {
  QCOMPARE(window_->devicePixelRatio(), 2.0);
  const QPixmap client = panel()->grab();
  QCOMPARE(client.devicePixelRatio(), 2.0);
  QCOMPARE(client.size(), QSize(650, 1086));
  const QPixmap whole = window_->grab();
  QCOMPARE(whole.size(), QSize(650, 1086 + 2 * window_->menuBar()->height()));
  // Controls keep their designed pixels; the key of 7 is 49 x 25.
  QCOMPARE(deviceRect(child("Command1", 7)), QRect(160, 768, 98, 50));
}

void HighDpiTest::designedColoursAtDoubledPlaces() {
  const QImage image = panel()->grab().toImage();
  const struct {
    const char* name;
    int index;
    QColor face;
  } faces[] = {
      {"Command1", 7, QColor(0xC0, 0xC0, 0xFF)},
      {"cmdEnginePressure", -1, QColor(0xC0, 0xC0, 0xFF)},
      {"cmdEnter", -1, QColor(0xFF, 0xFF, 0x80)},
      {"cmdOff", -1, QColor(0xFF, 0xFF, 0x80)},
      {"cmdTwoInch", -1, QColor(Qt::white)},
      {"text1", -1, QColor(Qt::white)},
  };
  for (const auto& face : faces) {
    const QRect at = deviceRect(child(face.name, face.index));
    // Beside the caption, a quarter of the way in from the left edge, and
    // in the middle of the display left of its right-aligned text.
    const QPoint spot(at.left() + at.width() / 8 + 4, at.center().y());
    QCOMPARE(image.pixelColor(spot), face.face);
  }

  // A digit key's face between the edges is one run of its colour, about
  // twice the pixel width of the key less its bevel.
  const QRect seven = deviceRect(child("Command1", 7));
  const int y = seven.top() + 8;
  int run = 0;
  for (int x = seven.left(); x <= seven.right(); ++x) {
    if (image.pixelColor(x, y) == QColor(0xC0, 0xC0, 0xFF)) ++run;
  }
  QVERIFY2(run >= 2 * 49 - 12 && run <= 2 * 49, qPrintable(QString::number(run)));
}

// Caption text carries detail finer than one pixel: many aligned 2 x 2
// blocks are mixed, and the picture differs from the panel drawn at one
// device pixel per pixel and doubled.
void HighDpiTest::captionsAreDrawnAtFullResolution() {
  const QImage sharp = panel()->grab().toImage();

  QPixmap small(panel()->size());
  small.setDevicePixelRatio(1);
  panel()->render(&small);
  const QImage blown =
      small.toImage().scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  QCOMPARE(mixedBlocks(blown, blown.rect()), 0);

  for (const char* name : {"cmdEnginePressure", "cmdEnter", "cmdSqRoot", "text1"}) {
    const QRect caption = deviceRect(child(name)).adjusted(6, 6, -6, -6);
    const int mixed = mixedBlocks(sharp, caption);
    QVERIFY2(mixed >= 20, qPrintable(QString("%1: %2").arg(name).arg(mixed)));
    int differing = 0;
    for (int y = caption.top(); y <= caption.bottom(); ++y) {
      for (int x = caption.left(); x <= caption.right(); ++x) {
        if (sharp.pixel(x, y) != blown.pixel(x, y)) ++differing;
      }
    }
    QVERIFY2(differing >= 40, qPrintable(QString("%1: %2").arg(name).arg(differing)));
  }
}

int main(int argc, char* argv[]) {
  // The scale must be set before the application starts.
  qputenv("QT_SCALE_FACTOR", "2");
  vardel::testing::useOffscreenUnlessChosen();
  QApplication application(argc, argv);
  HighDpiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "high_dpi_test.moc"
