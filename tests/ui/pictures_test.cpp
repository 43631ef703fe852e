#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include "ui/panel_widgets.h"
#include "ui/panel_window.h"
#include "window_test.h"

// The pictures that ship inside the program, read back by the toolkit's own
// decoders: the formats and sizes the design asks for.
class PicturesTest : public vardel::testing::WindowTest {
  Q_OBJECT

 private slots:
  void brandPictureFormat();
  void iconFormat();
  void brandPictureFillsImage1();
};

// A GIF89a picture of one frame, with transparent pixels about the brand.
void PicturesTest::brandPictureFormat() {
  QImageReader reader(":/pictures/brand.gif");
  QCOMPARE(reader.format(), QByteArray("gif"));
  QFile file(":/pictures/brand.gif");
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.read(6), QByteArray("GIF89a"));
  QVERIFY(reader.imageCount() <= 1);
  const QImage image = reader.read();
  QCOMPARE(image.size(), QSize(1120, 374));
  QVERIFY(image.hasAlphaChannel());
  QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

// A 32 x 32 picture of 24-bit colour: eight bits for each of red, green and
// blue, no alpha.
void PicturesTest::iconFormat() {
  QImageReader reader(":/pictures/icon.png");
  QCOMPARE(reader.format(), QByteArray("png"));
  const QImage icon = reader.read();
  QCOMPARE(icon.size(), QSize(32, 32));
  QVERIFY(!icon.hasAlphaChannel());
  QCOMPARE(icon.format(), QImage::Format_RGB32);
}

// Image1 shows the whole picture stretched into its rectangle, brand
// colours and all, and leaves the window's colour where the picture is clear.
void PicturesTest::brandPictureFillsImage1() {
  auto* image = window_->findChild<vardel::ui::StretchedImage*>("Image1");
  QVERIFY(image != nullptr);
  QCOMPARE(image->picture().size(), QSize(1120, 374));
  const QImage shown = image->grab().toImage();
  int reddish = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QColor c = shown.pixelColor(x, y);
      if (c.red() > 140 && c.green() < 80 && c.blue() < 80) ++reddish;
    }
  }
  QVERIFY2(reddish > 200, qPrintable(QString::number(reddish)));
  QCOMPARE(shown.pixelColor(0, 0), window_->centralWidget()->palette().color(QPalette::Window));
}

VARDEL_WINDOW_TEST_MAIN(PicturesTest)
#include "pictures_test.moc"
