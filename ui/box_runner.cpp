#include "ui/box_runner.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <optional>

#include "ui/box_dialog.h"
#include "ui/controls.h"
#include "ui/file_boxes.h"
#include "ui/printed_page.h"

namespace vardel::ui {
namespace {

// A key whose work is the toolkit's: the desk's text to the clipboard, its
// page to the printer or to a PDF file.
void handOver(BoxDialog& box, const panel::BoxDesk& desk, panel::Output output) {
  if (output == panel::Output::Copy) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(desk.copied()));
    return;
  }
  const std::optional<panel::PrintedPage> page = desk.page();
  if (!page) return;
  if (output == panel::Output::SavePdf) {
    const std::optional<QString> path = chooseFileToWrite(&box, *page->pdf);
    if (!path) return;
    const std::string problem = writePagePdf(*page, *path);
    if (!problem.empty()) showMessageBox(&box, problem);
  } else if (output == panel::Output::Print) {
    QPrinter printer;
    printer.setPageSize(pageSizeOf(page->paper));
    QPrintDialog dialog(&printer, &box);
    // One page, whatever range is asked for: no range to choose.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() == QDialog::Accepted) printPage(printer, *page);
  }
}

}  // namespace

void runBox(panel::BoxDesk& desk, QWidget* owner, const std::function<void()>& changed) {
  BoxDialog dialog(*desk.box(), owner);
  dialog.draw(desk.shown());
  // What every action in the box is followed by.
  const auto after = [&](const std::string& problem) {
    if (desk.box() == &dialog.design()) {
      dialog.draw(desk.shown());
    } else {
      dialog.accept();
    }
    changed();
    if (!problem.empty()) {
      showMessageBox(desk.box() != nullptr ? static_cast<QWidget*>(&dialog) : owner, problem);
    }
  };
  const auto name = [](const QString& text) { return text.toStdString(); };
  QObject::connect(&dialog, &BoxDialog::edited, &dialog,
                   [&](const QString& field, const QString& text) {
                     desk.edit(name(field), name(text));
                     after({});
                   });
  QObject::connect(&dialog, &BoxDialog::selected, &dialog, [&](const QString& list, int row) {
    desk.select(name(list), row);
    after({});
  });
  QObject::connect(&dialog, &BoxDialog::activated, &dialog,
                   [&](const QString& list) { after(desk.activate(name(list))); });
  QObject::connect(&dialog, &BoxDialog::pressed, &dialog,
                   [&](const QString& key) { after(desk.press(name(key))); });
  QObject::connect(&dialog, &BoxDialog::output, &dialog,
                   [&](panel::Output out) { handOver(dialog, desk, out); });
  dialog.exec();
  // Closed by Esc or the title bar's button: the desk closes the box too.
  if (desk.box() == &dialog.design()) desk.close();
  changed();
}

}  // namespace vardel::ui
