#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include "ui/panel_widgets.h"
#include "ui/panel_window.h"
#include "window_test.h"

namespace {

QByteArray readResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

int u8(const QByteArray& bytes, qsizetype at) { return static_cast<unsigned char>(bytes.at(at)); }
int u16(const QByteArray& bytes, qsizetype at) { return u8(bytes, at) | u8(bytes, at + 1) << 8; }
quint32 u32be(const QByteArray& bytes, qsizetype at) {
  return static_cast<quint32>(u8(bytes, at)) << 24 | u8(bytes, at + 1) << 16 |
         u8(bytes, at + 2) << 8 | u8(bytes, at + 3);
}

}  // namespace

// The pictures that ship inside the program, checked byte by byte.
class PicturesTest : public vardel::testing::WindowTest {
  Q_OBJECT

 private slots:
  void brandPictureFormat();
  void iconFormat();
  void brandPictureFillsImage1();
};

void PicturesTest::brandPictureFormat() {
  const QByteArray gif = readResource(":/pictures/brand.gif");
  QVERIFY(gif.size() > 13 + 768 + 8 + 10);
  QCOMPARE(gif.left(6), QByteArray("GIF89a"));
  QCOMPARE(u16(gif, 6), 1120);
  QCOMPARE(u16(gif, 8), 374);
  const int screen = u8(gif, 10);
  QVERIFY(screen & 0x80);               // global colour table present
  QCOMPARE(2 << (screen & 0x07), 256);  // of 256 entries

  // Right after the table: the graphic control extension, then the image.
  qsizetype at = 13 + 3 * 256;
  QCOMPARE(u8(gif, at), 0x21);
  QCOMPARE(u8(gif, at + 1), 0xF9);
  QCOMPARE(u8(gif, at + 2), 4);
  QVERIFY(u8(gif, at + 3) & 0x01);  // transparency given
  QCOMPARE(u8(gif, at + 6), 218);   // by index 218
  at += 8;
  QCOMPARE(u8(gif, at), 0x2C);
  QCOMPARE(u16(gif, at + 5), 1120);
  QCOMPARE(u16(gif, at + 7), 374);
  QVERIFY(u8(gif, at + 9) & 0x40);     // interlaced
  QVERIFY(!(u8(gif, at + 9) & 0x80));  // no local table
  QCOMPARE(u8(gif, gif.size() - 1), 0x3B);

  // It decodes to the full picture, with transparent pixels about the brand.
  const QImage image = QImage::fromData(gif, "GIF");
  QCOMPARE(image.size(), QSize(1120, 374));
  QVERIFY(image.hasAlphaChannel());
  QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
  QCOMPARE(QImageReader(":/pictures/brand.gif").imageCount() <= 1, true);
}

void PicturesTest::iconFormat() {
  const QByteArray png = readResource(":/pictures/icon.png");
  QCOMPARE(png.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
  QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
  QCOMPARE(u32be(png, 16), 32u);
  QCOMPARE(u32be(png, 20), 32u);
  QCOMPARE(u8(png, 24), 8);  // bits per channel
  QCOMPARE(u8(png, 25), 2);  // RGB, no alpha: 24-bit colour
  const QImage icon = QImage::fromData(png, "PNG");
  QCOMPARE(icon.size(), QSize(32, 32));
  QVERIFY(!icon.hasAlphaChannel());
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
