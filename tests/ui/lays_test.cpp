// The Lays box in the real window: opened by keyboard (Alt+D, L), a lay keyed
// into its fields shows its result, which the box says to a screen reader,
// Show puts the pump pressure on the display with its mark, and the pump
// panel card is one page of PDF holding every saved line and lay.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "department/department_store.h"
#include "panel/lays_box.h"
#include "support/lay_builder.h"
#include "support/memory_storage.h"
#include "ui/controls.h"
#include "ui/panel_window.h"
#include "window_test.h"

using namespace vardel;
namespace lays_box = panel::lays_box;
using testing::click;
using testing::run;

namespace {

// Types `text` over what a field holds, as a user does.
void retype(QWidget* box, std::string_view field, const char* text) {
  auto* edit = box->findChild<QLineEdit*>(ui::qs(field));
  QVERIFY2(edit != nullptr, qPrintable(ui::qs(field)));
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(edit, QString::fromLatin1(text));
}

// A window of its own over `store`, shown and active.
std::unique_ptr<ui::frmVardel> windowOf(DepartmentStore& store) {
  auto window = std::make_unique<ui::frmVardel>(&store);
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) return nullptr;
  return window;
}

// Department > Lays by keyboard: Alt+D, L.
void openLays(QWidget& window) {
  QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
  QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_L);
}

}  // namespace

class LaysTest : public testing::WindowTest {
  Q_OBJECT

 private slots:
  void aLayKeyedIntoTheBoxIsShownOnTheDisplay();
  void theCardIsOnePageWithEverySavedLineAndLay();
};

void LaysTest::aLayKeyedIntoTheBoxIsShownOnTheDisplay() {
  testing::MemoryStorage storage;
  DepartmentStore store(storage);
  QVERIFY(store
              .change([](DepartmentValues& v) {
                v = testing::ratedPump(250);
                return std::string();
              })
              .empty());
  const std::unique_ptr<ui::frmVardel> window = windowOf(store);
  QVERIFY(window != nullptr);
  QString description;
  watch_->onOpen([&](QWidget* box) {
    QCOMPARE(box->objectName(), QString("frmLays"));
    // The wyed lay of the course: 200 ft of 2 1/2" to a wye, two branches of
    // 150 ft of 1 3/4".
    auto* kind = box->findChild<QComboBox*>(ui::qs(lays_box::kKind));
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_Down);  // a supply to a wye
    auto* hose = box->findChild<QComboBox*>(ui::qs(lays_box::kHose));
    hose->setFocus();
    QTest::keyClick(hose, Qt::Key_Down);
    QTest::keyClick(hose, Qt::Key_Down);  // 2 1/2"
    click(box, lays_box::kAddBranch);
    auto* result = box->findChild<QPlainTextEdit*>(ui::qs(lays_box::kResult));
    QVERIFY2(result->toPlainText().startsWith("Pump pressure PSI 188, above the pump's capacity\n"),
             qPrintable(result->toPlainText()));
    // The screen reader says the box with its result.
    description = QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
    QCOMPARE(description, result->toPlainText());
    retype(box, lays_box::kBranchLength, "-5");
    QVERIFY(result->toPlainText().startsWith("Discharge A, branch 2: the length must lie"));
    retype(box, lays_box::kBranchLength, "150");
    click(box, lays_box::kShow);
  });
  openLays(*window);
  QTRY_VERIFY(!watch_->empty());
  QCOMPARE(watch_->take().size(), std::size_t{1});
  QCOMPARE(window->findChild<QLabel*>("text1")->text(), QString("PSI 188"));
  auto* mark = window->findChild<QLabel*>("lblMark");
  QCOMPARE(mark->text(), QString("OVER CAPACITY"));
  QVERIFY(mark->isVisible());
  QVERIFY(mark->accessibleName().contains("above the pump's capacity"));
}

void LaysTest::theCardIsOnePageWithEverySavedLineAndLay() {
  testing::MemoryStorage storage;
  DepartmentStore store(storage);
  QVERIFY(store
              .change([](DepartmentValues& v) {
                v.name = "Engine 4";
                v.lines = {{"Crosslay 1", false, "100", "150", 4, "1", "200", "0"},
                           {"Trash line", false, "100", "95", 3, "1", "100", "0"}};
                v.lays = {testing::threeLines(false), testing::wyedLay(true)};
                v.lays[0].name = "Three lines";
                v.lays[1].name = "Wyed metric";
                return std::string();
              })
              .empty());
  const std::unique_ptr<ui::frmVardel> window = windowOf(store);
  QVERIFY(window != nullptr);
  QTemporaryDir folder;
  watch_->onOpen([&](QWidget* box) {
    QVERIFY2(testing::saveInto(box, lays_box::kSaveCardPdf, folder.path()),
             "Card PDF opened no file dialog");
  });
  openLays(*window);
  QTRY_VERIFY(!watch_->empty());
  QCOMPARE(watch_->take().size(), std::size_t{1});

  const QString pdf = folder.filePath("pump-panel-card.pdf");
  const QString info = run("pdfinfo", {pdf});
  QVERIFY2(info.contains(QRegularExpression("Pages: +1\n")), qPrintable(info));
  const QString text = run("pdftotext", {"-layout", pdf, "-"});
  for (const char* wanted :
       {"Pump panel card: Engine 4", "Crosslay 1", "170 psi", "Trash line", "Three lines",
        "gate to 85 psi", "gate to 114 psi", "Wyed metric", "1307 kPa"}) {
    QVERIFY2(text.contains(QString::fromUtf8(wanted)), qPrintable(wanted + ("\n" + text)));
  }
}

VARDEL_WINDOW_TEST_MAIN(LaysTest)
#include "lays_test.moc"
