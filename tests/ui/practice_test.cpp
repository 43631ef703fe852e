// Practice in the real window: chosen from the Department menu, the mark
// PRACTICE is seen and heard with every display text and the title says
// so, answers typed on the keyboard are judged in the strip, leaving puts
// the result back; the worksheet is a PDF of two pages whose key holds
// every answer (read back with poppler).
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "department/department_store.h"
#include "panel/practice_box.h"
#include "practice/draw.h"
#include "support/memory_storage.h"
#include "ui/announcer.h"
#include "ui/controls.h"
#include "ui/panel_window.h"
#include "window_test.h"

using namespace vardel;
using testing::act;
using testing::run;
namespace practice_box = panel::practice_box;
namespace practice_strip = panel::practice_strip;

namespace {

void setNumber(QWidget* box, const QString& number) {
  auto* field = box->findChild<QLineEdit*>(ui::qs(practice_box::kSet));
  QVERIFY(field != nullptr);
  field->selectAll();
  QTest::keyClicks(field, number);
}

void click(QWidget* within, std::string_view key) {
  auto* button = within->findChild<QPushButton*>(ui::qs(key));
  QVERIFY2(button != nullptr && button->isEnabled(), qPrintable(ui::qs(key)));
  QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

class PracticeTest : public testing::WindowTest {
  Q_OBJECT

 private slots:
  void thePracticeMarkIsSeenAndHeardAndLeavingPutsTheResultBack();
  void theWorksheetIsTwoPagesWhoseKeyHoldsEveryAnswer();

 private:
  // A window with the Department menu, shown and active.
  void openWindow() {
    window_.reset();
    window_ = std::make_unique<ui::frmVardel>(&store_);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  // Department > Practice... by keyboard: Alt+D, R.
  void choosePractice() {
    QTest::keyClick(window_.get(), Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R);
    QTRY_VERIFY2(!watch_->empty(), "the practice box to open");
  }

  testing::MemoryStorage storage_;
  DepartmentStore store_{storage_};
};

void PracticeTest::thePracticeMarkIsSeenAndHeardAndLeavingPutsTheResultBack() {
  openWindow();
  auto* mark = window_->findChild<QLabel*>("lblMark");
  auto* announcer = window_->findChild<ui::Announcer*>("announcer");
  auto* strip = window_->findChild<QWidget*>(ui::qs(panel::practiceStrip().name));
  QVERIFY(mark != nullptr && announcer != nullptr && strip != nullptr);
  act(*window_, "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER");
  QCOMPARE(display(), QString("PSI 183"));
  const int height = window_->height();

  watch_->onOpen([&](QWidget* box) {
    QCOMPARE(box->objectName(), QString("frmPractice"));
    setNumber(box, "4127");
    click(box, practice_box::kStart);
  });
  choosePractice();
  QCOMPARE(watch_->take().size(), std::size_t{1});
  QVERIFY(mark->isVisible());
  QCOMPARE(mark->text(), QString("PRACTICE"));
  QCOMPARE(window_->windowTitle(), QString("Practice: set 4127"));
  QVERIFY(strip->isVisible());
  QCOMPARE(window_->height(), height + strip->height());
  auto* problem = strip->findChild<QPlainTextEdit*>(ui::qs(practice_strip::kProblem));
  QVERIFY(problem->toPlainText().startsWith("Problem 1 of 10\n"));

  // The first problem is PSI 75: typed, heard with the mark, handed in by Enter.
  // The offscreen platform gives the window back its activation only when asked.
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClicks(window_.get(), "7");
  QCOMPARE(display(), QString(" 7"));
  QTRY_COMPARE(announcer->text(), QString(" 7, practice"));
  QTest::keyClicks(window_.get(), "5");
  QTest::keyClick(window_.get(), Qt::Key_Return);
  QVERIFY2(problem->toPlainText().startsWith("RIGHT. The answer is PSI 75; you keyed 75.\n"),
           qPrintable(problem->toPlainText()));
  QTRY_VERIFY2(announcer->text().startsWith("RIGHT."), "the verdict to be heard");
  QCOMPARE(display(), QString("VORNA"));

  click(strip, practice_strip::kLeave);
  QCOMPARE(display(), QString("PSI 183"));
  QVERIFY(mark->isHidden());
  QCOMPARE(window_->windowTitle(), QString());
  QVERIFY(strip->isHidden());
  QCOMPARE(window_->height(), height);
  QTRY_COMPARE(announcer->text(), QString("PSI 183"));
}

void PracticeTest::theWorksheetIsTwoPagesWhoseKeyHoldsEveryAnswer() {
  openWindow();
  QTemporaryDir folder;
  const QString pdf = folder.filePath("practice-worksheet.pdf");
  watch_->onOpen([&](QWidget* box) {
    setNumber(box, "4127");
    const auto saveHere = [&](QWidget* modal) {
      auto* files = qobject_cast<QFileDialog*>(modal);
      if (files == nullptr) return modal->close(), void();
      files->setDirectory(folder.path());      // under the name offered
      static_cast<QDialog*>(files)->accept();  // as its Save key does
    };
    QVERIFY2(testing::visitModal([&] { click(box, practice_box::kSavePdf); }, saveHere),
             "Save PDF opened no file dialog");
    box->close();
  });
  choosePractice();
  QCOMPARE(watch_->take().size(), std::size_t{1});

  const QString info = run("pdfinfo", {pdf});
  QVERIFY2(info.contains(QRegularExpression("Pages: +2\n")), qPrintable(info));
  const QString problems = run("pdftotext", {"-f", "1", "-l", "1", pdf, "-"});
  const QString key = run("pdftotext", {"-f", "2", "-l", "2", pdf, "-"});
  QVERIFY2(problems.startsWith("Practice set 4127\n"), qPrintable(problems));
  QVERIFY2(key.startsWith("Answer key: practice set 4127\n"), qPrintable(key));
  // Every answer in the key, in turn, each after its number.
  const practice::PracticeSet set = practice::drawSet(4127, {});
  qsizetype at = 0;
  for (std::size_t i = 0; i < set.problems.size(); ++i) {
    const QString answer = QString::number(i + 1) + ". " + ui::qs(set.problems[i].answer.shown);
    at = key.indexOf(answer, at);
    QVERIFY2(at >= 0, qPrintable("not in the key in turn: " + answer + "\n" + key));
    QVERIFY(!problems.contains(ui::qs(set.problems[i].answer.shown) + "\n"));
  }
}

VARDEL_WINDOW_TEST_MAIN(PracticeTest)
#include "practice_test.moc"
