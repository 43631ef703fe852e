// The working and the pump chart in the real window: F3 and the display's
// menu show the working only while a result shows, read out as the box's
// description and copied whole; the chart box writes a PDF of one page on
// the paper chosen whose text holds the grid and names the department, and
// prints through the system's print dialog.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "department/department_store.h"
#include "panel/chart_box.h"
#include "panel/working_box.h"
#include "support/memory_storage.h"
#include "ui/controls.h"
#include "ui/panel_window.h"
#include "window_test.h"

using namespace vardel;
using testing::act;
using testing::click;
using testing::run;
namespace chart_box = panel::chart_box;
namespace working_box = panel::working_box;

class WorkingTest : public testing::WindowTest {
  Q_OBJECT

 private slots:
  void theWorkingOfAResultByF3AndTheDisplayMenu();
  void theChartOnOnePageOfPdfAndThroughThePrintDialog();
};

void WorkingTest::theWorkingOfAResultByF3AndTheDisplayMenu() {
  auto* text1 = window_->findChild<QLabel*>("text1");
  auto* menu = window_->findChild<QMenu*>("mnuDisplay");
  auto* item = window_->findChild<QAction*>("mnuShowWorking");
  QVERIFY(menu != nullptr && item != nullptr);
  const auto menuOffers = [&] {
    const QPoint at = text1->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, text1->mapToGlobal(at));
    QApplication::sendEvent(text1, &event);
    const bool enabled = item->isEnabled();
    menu->hide();
    return enabled;
  };
  // No result yet: F3 does nothing, and the item is off.
  act(*window_, "FL 150 ENTER H1.75 ENTER ENTER 200");
  QTest::keyClick(window_.get(), Qt::Key_F3);
  // A box would open within the key's action, or from a call it queued.
  QCoreApplication::sendPostedEvents();
  QVERIFY(QApplication::activeModalWidget() == nullptr);
  QVERIFY(watch_->empty());
  QVERIFY(!menuOffers());

  act(*window_, "ENTER");
  QCOMPARE(display(), QString("PSI 70"));
  QStringList texts;
  watch_->onOpen([&](QWidget* box) {
    auto* text = box->findChild<QPlainTextEdit*>(ui::qs(working_box::kWorking));
    QVERIFY(text != nullptr && box->focusWidget() == text);
    const QString working = text->toPlainText();
    texts << working;
    // A screen reader says the box with its text, and reads the text.
    QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description), working);
    QCOMPARE(QAccessible::queryAccessibleInterface(text)->text(QAccessible::Value), working);
    // Ctrl+C with nothing selected, and the Copy key, copy all of it.
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), working);
    QGuiApplication::clipboard()->clear();
    click(box, working_box::kCopy);
    QCOMPARE(QGuiApplication::clipboard()->text(), working);
  });
  QTest::keyClick(window_.get(), Qt::Key_F3);
  QVERIFY(menuOffers());
  item->trigger();
  QCOMPARE(texts.size(), 2);
  QVERIFY2(texts[0].startsWith("Friction loss, English units\n"), qPrintable(texts[0]));
  QVERIFY2(texts[0].endsWith(" → PSI 70"), qPrintable(texts[0]));
  QCOMPARE(texts[1], texts[0]);
  QCOMPARE(watch_->take().size(), std::size_t{2});
  QCOMPARE(display(), QString("PSI 70"));  // the working changes nothing
}

void WorkingTest::theChartOnOnePageOfPdfAndThroughThePrintDialog() {
  testing::MemoryStorage storage;
  DepartmentStore store(storage);
  QVERIFY(store
              .change([](DepartmentValues& values) {
                values.name = "Engine 4";
                values.hoses[4] = {10, 15.786};
                values.pumpLimit = {180, 1241};
                return std::string();
              })
              .empty());
  ui::frmVardel window(&store);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QTemporaryDir folder;
  const QString pdf = folder.filePath("pump-chart.pdf");

  QStringList cells;
  QString printDialog;
  watch_->onOpen([&](QWidget* box) {
    QCOMPARE(box->objectName(), QString("frmPumpChart"));
    auto* grid = box->findChild<QTableWidget*>(ui::qs(chart_box::kChart));
    QCOMPARE(grid->columnCount(), 8);  // the default flows and lengths
    QCOMPARE(grid->rowCount(), 9);
    for (int row = 0; row < grid->rowCount(); ++row) {
      cells << grid->verticalHeaderItem(row)->text();
      for (int column = 0; column < grid->columnCount(); ++column) {
        cells << grid->item(row, column)->text();
      }
    }
    QTest::keyClick(box->findChild<QComboBox*>(ui::qs(chart_box::kPaper)), Qt::Key_Down);  // Letter
    QVERIFY2(testing::saveInto(box, chart_box::kSavePdf, folder.path()),
             "Save PDF opened no file dialog");
    const auto cancelPrinting = [&](QWidget* dialog) {
      printDialog = dialog->metaObject()->className();
      dialog->close();
    };
    testing::visitModal([&] { click(box, chart_box::kPrint); }, cancelPrinting);
  });
  // Department > Pump chart by keyboard: Alt+D, C.
  QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
  QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
  QTRY_VERIFY(!watch_->empty());
  QCOMPARE(watch_->take().size(), std::size_t{1});
  QCOMPARE(printDialog, QString("QPrintDialog"));

  const QString info = run("pdfinfo", {pdf});
  QVERIFY2(info.contains(QRegularExpression("Pages: +1\n")), qPrintable(info));
  QVERIFY2(info.contains("612 x 792 pts (letter)"), qPrintable(info));
  // The grid's cells, row by row, each one in the page's text in turn.
  const QString text = run("pdftotext", {"-layout", pdf, "-"});
  QVERIFY2(text.contains("department value, Engine 4"), qPrintable(text));
  const QStringList words = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
  const QStringList wanted = cells.join(' ').split(' ', Qt::SkipEmptyParts);
  QVERIFY(wanted.contains("*"));  // a cell above the limit is marked
  qsizetype at = words.indexOf("gpm");
  for (const QString& word : wanted) {
    at = words.indexOf(word, at + 1);
    QVERIFY2(at >= 0, qPrintable("not in the PDF's text in turn: " + word + "\n" + text));
  }
}

VARDEL_WINDOW_TEST_MAIN(WorkingTest)
#include "working_test.moc"
