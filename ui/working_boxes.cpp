#include "ui/working_boxes.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/box_dialog.h"
#include "ui/chart_page.h"
#include "ui/controls.h"

namespace vardel::ui {

void WorkingBoxes::open(panel::Command command) {
  desk_.command(command);
  if (desk_.box() == nullptr) return;
  runBox(
      desk_, window_, [] {}, [this](BoxDialog& box, panel::Output out) { output(box, out); });
}

void WorkingBoxes::output(BoxDialog& box, panel::Output output) {
  if (output == panel::Output::Copy) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(desk_.copied()));
    return;
  }
  const PumpChart* chart = desk_.chart();
  if (chart == nullptr) return;
  if (output == panel::Output::SavePdf) {
    const QString path = QFileDialog::getSaveFileName(
        &box, QStringLiteral("Save the pump chart as PDF"),
        QDir::home().filePath(QStringLiteral("pump-chart.pdf")), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    const std::string problem = writeChartPdf(*chart, desk_.paper(), path);
    if (!problem.empty()) showMessageBox(&box, problem);
  } else if (output == panel::Output::Print) {
    QPrinter printer;
    printer.setPageSize(pageSizeOf(desk_.paper()));
    QPrintDialog dialog(&printer, &box);
    // One page, whatever range is asked for: no range to choose.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() == QDialog::Accepted) printChart(printer, *chart);
  }
}

}  // namespace vardel::ui
