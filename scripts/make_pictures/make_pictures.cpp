// Draws the brand picture and the program's icons and writes them into the
// source tree given as the only argument:
//   ui/pictures/brand.gif   1120 x 374, GIF89a, interlaced, 256 colours, index 218 transparent
//   ui/pictures/icon.png    32 x 32, 24-bit RGB
//   packaging/icons/hicolor/<n>x<n>/apps/org.vardel.Vardel.png   for the desktop
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdio>
#include <map>

#include "gif_writer.h"

namespace {

constexpr int kBrandWidth = 1120;
constexpr int kBrandHeight = 374;
constexpr int kTransparentIndex = 218;
// The panel's background, on which half-covered edge pixels are blended.
const QColor kMatte(0xEF, 0xEF, 0xEF);
const QColor kRed(0xB0, 0x14, 0x1C);
const QColor kNavy(0x1A, 0x22, 0x44);
const QColor kWater(0x1F, 0x6F, 0xD0);

QFont brandFont(int pixels) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(pixels);
  font.setBold(true);
  font.setItalic(true);
  return font;
}

// A jet of water sweeping under the word, tapering towards its end.
QPainterPath waterJet(const QRectF& area) {
  QPainterPath jet;
  const qreal w = area.width();
  const qreal h = area.height();
  jet.moveTo(area.left() + 0.02 * w, area.top() + 0.86 * h);
  jet.cubicTo(area.left() + 0.30 * w, area.top() + 0.70 * h, area.left() + 0.65 * w,
              area.top() + 0.78 * h, area.left() + 0.98 * w, area.top() + 0.62 * h);
  jet.cubicTo(area.left() + 0.66 * w, area.top() + 0.86 * h, area.left() + 0.32 * w,
              area.top() + 0.80 * h, area.left() + 0.02 * w, area.top() + 0.95 * h);
  jet.closeSubpath();
  return jet;
}

QImage drawBrand() {
  QImage image(kBrandWidth, kBrandHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  painter.fillPath(waterJet(QRectF(0, 0, kBrandWidth, kBrandHeight)), kWater);

  QPainterPath word;
  word.addText(0, 0, brandFont(330), QStringLiteral("Vardel"));
  const QRectF bounds = word.boundingRect();
  word.translate((kBrandWidth - bounds.width()) / 2 - bounds.left(),
                 (kBrandHeight * 0.78 - bounds.height()) / 2 - bounds.top());
  painter.setPen(QPen(kNavy, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(kRed);
  painter.drawPath(word);
  painter.setPen(Qt::NoPen);
  painter.drawPath(word);
  return image;
}

struct Weighted {
  QRgb colour;
  long count;
};

int channel(QRgb c, int which) { return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c); }

// Median cut: splits the colours into at most `wanted` boxes along their
// widest channel and returns the count-weighted mean of each box.
std::vector<QRgb> medianCut(std::vector<Weighted> colours, std::size_t wanted) {
  struct Box {
    std::size_t begin, end;
  };
  std::vector<Box> boxes{{0, colours.size()}};
  auto widest = [&](const Box& box, int& which) {
    int best = -1;
    for (int c = 0; c < 3; ++c) {
      int low = 255, high = 0;
      for (std::size_t i = box.begin; i < box.end; ++i) {
        low = std::min(low, channel(colours[i].colour, c));
        high = std::max(high, channel(colours[i].colour, c));
      }
      if (high - low > best) {
        best = high - low;
        which = c;
      }
    }
    return best;
  };
  while (boxes.size() < wanted) {
    std::size_t pick = boxes.size();
    int pickRange = 0;
    int pickChannel = 0;
    for (std::size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].end - boxes[b].begin < 2) continue;
      int which = 0;
      const int range = widest(boxes[b], which);
      if (range > pickRange) {
        pick = b;
        pickRange = range;
        pickChannel = which;
      }
    }
    if (pick == boxes.size()) break;
    Box box = boxes[pick];
    auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
    auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
    std::sort(first, last, [&](const Weighted& a, const Weighted& b) {
      return channel(a.colour, pickChannel) < channel(b.colour, pickChannel);
    });
    long total = 0;
    for (auto it = first; it != last; ++it) total += it->count;
    long half = 0;
    std::size_t split = box.begin;
    while (split < box.end - 1 && half + colours[split].count <= total / 2) {
      half += colours[split].count;
      ++split;
    }
    if (split == box.begin) ++split;
    boxes[pick] = {box.begin, split};
    boxes.push_back({split, box.end});
  }
  std::vector<QRgb> palette;
  for (const Box& box : boxes) {
    double r = 0, g = 0, b = 0, n = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
      r += qRed(colours[i].colour) * static_cast<double>(colours[i].count);
      g += qGreen(colours[i].colour) * static_cast<double>(colours[i].count);
      b += qBlue(colours[i].colour) * static_cast<double>(colours[i].count);
      n += static_cast<double>(colours[i].count);
    }
    palette.push_back(qRgb(static_cast<int>(r / n + 0.5), static_cast<int>(g / n + 0.5),
                           static_cast<int>(b / n + 0.5)));
  }
  return palette;
}

// Pixels less than half covered become transparent; the rest are blended on
// the matte and reduced to the 255 colours left beside the transparent one.
IndexedPicture quantise(const QImage& drawn) {
  const QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
  std::vector<QRgb> opaque(static_cast<std::size_t>(image.width() * image.height()));
  std::map<QRgb, long> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      QRgb& out = opaque[static_cast<std::size_t>(y * image.width() + x)];
      const int a = qAlpha(p);
      if (a < 128) {
        out = 0;  // marked transparent below by its zero alpha
        continue;
      }
      auto blend = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
      out = qRgb(blend(qRed(p), kMatte.red()), blend(qGreen(p), kMatte.green()),
                 blend(qBlue(p), kMatte.blue()));
      ++counts[out];
    }
  }
  std::vector<Weighted> colours;
  for (const auto& [colour, count] : counts) colours.push_back({colour, count});
  const std::vector<QRgb> chosen = medianCut(colours, 255);

  IndexedPicture picture;
  picture.width = image.width();
  picture.height = image.height();
  picture.transparentIndex = kTransparentIndex;
  std::vector<int> paletteIndex;  // palette index of each chosen colour
  for (int i = 0, c = 0; i < 256; ++i) {
    if (i == kTransparentIndex) {
      picture.palette[static_cast<std::size_t>(i)] = kMatte.rgb() & 0xFFFFFF;
      continue;
    }
    const QRgb colour = static_cast<std::size_t>(c) < chosen.size() ? chosen[c] : qRgb(0, 0, 0);
    picture.palette[static_cast<std::size_t>(i)] = colour & 0xFFFFFF;
    paletteIndex.push_back(i);
    ++c;
  }
  std::map<QRgb, std::uint8_t> nearest;
  picture.pixels.resize(opaque.size());
  for (std::size_t i = 0; i < opaque.size(); ++i) {
    const QRgb p = opaque[i];
    if (qAlpha(p) == 0) {
      picture.pixels[i] = kTransparentIndex;
      continue;
    }
    auto known = nearest.find(p);
    if (known == nearest.end()) {
      int best = 0;
      long bestDistance = -1;
      for (std::size_t c = 0; c < chosen.size(); ++c) {
        const long dr = qRed(p) - qRed(chosen[c]);
        const long dg = qGreen(p) - qGreen(chosen[c]);
        const long db = qBlue(p) - qBlue(chosen[c]);
        const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || distance < bestDistance) {
          bestDistance = distance;
          best = paletteIndex[c];
        }
      }
      known = nearest.emplace(p, static_cast<std::uint8_t>(best)).first;
    }
    picture.pixels[i] = known->second;
  }
  return picture;
}

// Reads the written GIF back with the toolkit's decoder and compares every
// pixel with what was meant, so that a fault in the encoder cannot pass.
bool decodesExactly(const QString& path, const IndexedPicture& picture) {
  QImageReader reader(path);
  const QImage back = reader.read().convertToFormat(QImage::Format_ARGB32);
  if (back.size() != QSize(picture.width, picture.height)) return false;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint8_t index = picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
      const QRgb got = back.pixel(x, y);
      if (index == picture.transparentIndex) {
        if (qAlpha(got) != 0) return false;
      } else if ((got & 0xFFFFFF) != picture.palette[index] || qAlpha(got) != 255) {
        return false;
      }
    }
  }
  return true;
}

// The icon: a white V over a jet of water on the brand's red.
QImage drawIcon(int size, bool opaque) {
  QImage image(size, size, opaque ? QImage::Format_RGB888 : QImage::Format_ARGB32_Premultiplied);
  image.fill(opaque ? kRed : QColor(Qt::transparent));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);
  if (!opaque) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRed);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
  }
  painter.fillPath(waterJet(QRectF(1, 3, 30, 28)), kWater.lighter(140));
  QPainterPath letter;
  letter.addText(0, 0, brandFont(26), QStringLiteral("V"));
  const QRectF bounds = letter.boundingRect();
  letter.translate((32 - bounds.width()) / 2 - bounds.left(),
                   (30 - bounds.height()) / 2 - bounds.top());
  painter.fillPath(letter, Qt::white);
  return image;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fputs("usage: make_pictures SOURCE_ROOT\n", stderr);
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));

  const IndexedPicture brand = quantise(drawBrand());
  const std::vector<std::uint8_t> gif = encodeGif(brand);
  const QString brandPath = root.filePath(QStringLiteral("ui/pictures/brand.gif"));
  if (!writeFile(brandPath, QByteArray(reinterpret_cast<const char*>(gif.data()),
                                       static_cast<qsizetype>(gif.size())))) {
    std::fputs("make_pictures: cannot write the brand picture\n", stderr);
    return 1;
  }
  if (!decodesExactly(brandPath, brand)) {
    std::fputs("make_pictures: the brand picture does not read back as written\n", stderr);
    return 1;
  }

  const QString iconPath = root.filePath(QStringLiteral("ui/pictures/icon.png"));
  QDir().mkpath(QFileInfo(iconPath).absolutePath());
  if (!drawIcon(32, true).save(iconPath, "PNG")) {
    std::fputs("make_pictures: cannot write the icon\n", stderr);
    return 1;
  }
  for (const int size : {48, 64, 128, 256}) {
    const QString path = root.filePath(
        QStringLiteral("packaging/icons/hicolor/%1x%1/apps/org.vardel.Vardel.png").arg(size));
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!drawIcon(size, false).save(path, "PNG")) {
      std::fputs("make_pictures: cannot write a desktop icon\n", stderr);
      return 1;
    }
  }
  std::printf("make_pictures: %zu bytes of GIF, icons written\n", gif.size());
  return 0;
}
