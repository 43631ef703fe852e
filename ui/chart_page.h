#pragma once

#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <string>

#include "department/pump_chart.h"
#include "panel/working_desk.h"

class QPainter;
class QPrinter;

// The pump chart on paper: one page whatever the lay, drawn alike for the
// printer and for a PDF file. The page carries the chart's heading (the
// lay, the figures used and whose, the limit, the formula, the program's
// version and the date) and its grid.
namespace vardel::ui {

QPageSize pageSizeOf(panel::Paper paper);

// Paints the chart within `size` points from the origin of the painter's
// device.
void paintChart(QPainter& painter, const QSizeF& size, const PumpChart& chart);

// Writes the chart as a PDF of one page on the paper, replacing the file
// whole; returns why it could not, or an empty text.
std::string writeChartPdf(const PumpChart& chart, panel::Paper paper, const QString& path);

// Prints the chart on one page of the printer chosen.
void printChart(QPrinter& printer, const PumpChart& chart);

}  // namespace vardel::ui
