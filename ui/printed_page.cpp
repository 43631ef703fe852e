#include "ui/printed_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>
#include <vector>

#include "core/app_info.h"
#include "panel/colours.h"
#include "ui/controls.h"

namespace vardel::ui {
namespace {

constexpr double kMargin = 36;  // points: half an inch, within what any printer reaches

QFont pageFont(double points) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(points);
  return font;
}

// Each column as wide as its longest text at `points`, and no narrower
// than a cell; where they do not fit the page's width, all of them and the
// font narrowed together.
void fitColumns(QPainter& painter, const panel::PrintedPage& page, std::vector<double>& widths,
                double& points, double width) {
  const double k = painter.device()->logicalDpiY() / 72.0;
  constexpr double kPadding = 5;  // points, as the cells' texts are drawn
  painter.setFont(pageFont(points));
  for (std::size_t at = 0; at < page.cells.size(); ++at) {
    const QRectF text =
        painter.boundingRect(QRectF(), Qt::AlignLeft, QString::fromStdString(page.cells[at]));
    double& column = widths[at % widths.size()];
    column = std::max(column, text.width() / k + kPadding + 1);
  }
  double total = 0;
  for (const double w : widths) total += w;
  if (total <= width) return;
  // The padding stays as it is; the texts and the font narrow together.
  const double padding = kPadding * static_cast<double>(widths.size());
  const double scale = (width - padding) / (total - padding);
  for (double& w : widths) w = (w - kPadding) * scale + kPadding;
  points = std::max(1.0, points * scale);
}

}  // namespace

QPageSize pageSizeOf(panel::Paper paper) {
  return QPageSize(paper == panel::Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

namespace {

// Lines from the top of the page, the first as the title, the others wrapped
// to the width, at `scale` of their full size; returns where they end, in
// points. Drawn only with `draw`, else measured.
double paintLines(QPainter& painter, const QSizeF& size, const std::vector<std::string>& lines,
                  double scale, bool draw) {
  // Lengths in points, drawn in the device's pixels; fonts take their
  // points from the device themselves.
  const double k = painter.device()->logicalDpiY() / 72.0;
  double y = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    painter.setFont(pageFont((i == 0 ? 12 : 9) * scale));
    // An empty line keeps its height: it spaces the items of a page.
    const QString line = lines[i].empty() ? QStringLiteral(" ") : QString::fromStdString(lines[i]);
    const QRectF box = painter.boundingRect(QRectF(0, y * k, size.width() * k, size.height() * k),
                                            Qt::TextWordWrap | Qt::AlignLeft, line);
    if (draw) painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft, line);
    y = box.bottom() / k + (i == 0 ? 6 : 2) * scale;
  }
  return y;
}

// A page of lines alone, made smaller until they fit its height.
void paintTextPage(QPainter& painter, const QSizeF& size, const std::vector<std::string>& lines) {
  double scale = 1;
  while (scale > 0.5 && paintLines(painter, size, lines, scale, false) > size.height()) {
    scale -= 0.05;
  }
  paintLines(painter, size, lines, scale, true);
}

}  // namespace

void paintPage(QPainter& painter, const QSizeF& size, const panel::PrintedPage& page) {
  if (page.cells.empty()) return paintTextPage(painter, size, page.heading);
  const double k = painter.device()->logicalDpiY() / 72.0;
  const auto rect = [k](double x, double y, double w, double h) {
    return QRectF(x * k, y * k, w * k, h * k);
  };
  const double width = size.width();
  double y = paintLines(painter, size, page.heading, 1, true) + 10;

  // The grid fills what is left, its cells no larger than a reader at the
  // pump panel needs.
  const std::size_t columns = std::max<std::size_t>(page.columns, 1);
  const std::size_t rows = page.cells.size() / columns;
  const double cellWidth = std::min(64.0, width / static_cast<double>(columns));
  const double cellHeight = std::min(
      34.0, std::max(0.0, size.height() - y) / static_cast<double>(std::max<std::size_t>(rows, 1)));
  double points = std::max(1.0, std::min({16.0, cellHeight * 0.55, cellWidth / 3.4}));
  std::vector<double> widths(columns, cellWidth);
  if (page.textColumns > 0) fitColumns(painter, page, widths, points, width);
  painter.setFont(pageFont(points));
  const QColor heading(0xE8, 0xE8, 0xE8);
  const QColor marked = QColor::fromRgb(panel::colours::kLightYellow);
  painter.setPen(QPen(Qt::black, 0.5 * k));
  double x = 0;
  for (std::size_t at = 0; at < rows * columns; ++at) {
    const std::size_t row = at / columns, column = at % columns;
    if (column == 0) x = 0;
    const bool isMarked = std::find(page.marked.begin(), page.marked.end(), static_cast<int>(at)) !=
                          page.marked.end();
    const bool headed = row == 0 || (column == 0 && page.textColumns == 0);
    const QColor* fill = headed ? &heading : isMarked ? &marked : nullptr;
    const QRectF box =
        rect(x, y + static_cast<double>(row) * cellHeight, widths[column], cellHeight);
    x += widths[column];
    if (fill != nullptr) painter.fillRect(box, *fill);
    painter.drawRect(box);
    const bool words = column == 0 || column < page.textColumns;
    painter.drawText(box.adjusted(2 * k, 0, -3 * k, 0),
                     Qt::AlignVCenter | (words ? Qt::AlignLeft : Qt::AlignRight),
                     QString::fromStdString(page.cells[at]));
  }
}

std::string writePagePdf(const panel::PrintedPage& page, const QString& path) {
  // Written beside the old file and renamed over it: a failure leaves the old one whole.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return "The file could not be written: " + file.errorString().toStdString();
  }
  {
    QPdfWriter writer(&file);
    writer.setPageSize(pageSizeOf(page.paper));
    writer.setPageMargins(QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Point);
    writer.setTitle(QString::fromStdString(page.heading.front()));
    writer.setCreator(qs(app_info::kTitle) + ' ' + qs(app_info::kVersion));
    QPainter painter(&writer);
    const QSizeF size = writer.pageLayout().paintRectPoints().size();
    paintPage(painter, size, page);
    for (const std::vector<std::string>& lines : page.following) {
      writer.newPage();
      paintTextPage(painter, size, lines);
    }
  }
  if (!file.commit()) return "The file could not be written: " + file.errorString().toStdString();
  return {};
}

void printPage(QPrinter& printer, const panel::PrintedPage& page) {
  printer.setDocName(QString::fromStdString(page.heading.front()));
  QPainter painter(&printer);
  if (!painter.isActive()) return;
  const QSizeF size = printer.pageLayout().paintRectPoints().size();
  paintPage(painter, size, page);
  for (const std::vector<std::string>& lines : page.following) {
    printer.newPage();
    paintTextPage(painter, size, lines);
  }
}

}  // namespace vardel::ui
