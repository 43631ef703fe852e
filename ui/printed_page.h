#pragma once

#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <string>

#include "panel/printed_page.h"

class QPainter;
class QPrinter;

// A box's page on paper (panel/printed_page.h), one page whatever its
// size, drawn alike for the printer and for a PDF file: the heading (for
// the pump chart the lay, the figures used and whose, the limit, the
// formula, the program's version and the date) and the grid; then the
// pages of lines that follow it (the practice worksheet's answer key), each
// made smaller where it would not fit its page.
namespace vardel::ui {

QPageSize pageSizeOf(panel::Paper paper);

// Paints the page within `size` points from the origin of the painter's
// device.
void paintPage(QPainter& painter, const QSizeF& size, const panel::PrintedPage& page);

// Writes the page, and those that follow it, as a PDF on its paper,
// replacing the file whole; returns why it could not, or an empty text.
std::string writePagePdf(const panel::PrintedPage& page, const QString& path);

// Prints the page, and those that follow it, on the printer chosen.
void printPage(QPrinter& printer, const panel::PrintedPage& page);

}  // namespace vardel::ui
