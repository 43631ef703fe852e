// The Department menu in the real window: a result made with department
// values shows and speaks its mark, and the values box, the flow test and
// the saved lines reach the file in a configuration folder of the test's own.
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "app/config_folder.h"
#include "app/system_file.h"
#include "calc/department_values.h"
#include "department/department_file.h"
#include "panel/import_box.h"
#include "panel/lines_box.h"
#include "panel/values_box.h"
#include "ui/announcer.h"
#include "ui/controls.h"
#include "ui/panel_window.h"
#include "window_test.h"

using namespace vardel;
using namespace vardel::panel::values_box;
using panel::designName;
using testing::act;
namespace lines_box = panel::lines_box;

namespace {

QString announced(const ui::frmVardel& window) {
  return window.findChild<ui::Announcer*>("announcer")->text();
}

QWidget* mark(const ui::frmVardel& window) { return window.findChild<QWidget*>("lblMark"); }

// Types into a box's field as a user does: all of it replaced.
void typeInto(QWidget* box, std::string_view field, const QString& text) {
  auto* edit = box->findChild<QLineEdit*>(ui::qs(field));
  QVERIFY2(edit != nullptr, qPrintable(ui::qs(field)));
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

void click(QWidget* box, std::string_view key) {
  auto* button = box->findChild<QPushButton*>(ui::qs(key));
  QVERIFY2(button != nullptr && button->isEnabled(), qPrintable(ui::qs(key)));
  QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks a key that answers with a message box, and returns its text. The
// box is closed here: the watch does not see a box opened in its own visit.
QString clickForMessage(QWidget* box, std::string_view key) {
  QString text = "<no message box>";
  testing::visitModal([&] { click(box, key); },
                      [&text](QWidget* modal) {
                        auto* message = qobject_cast<QMessageBox*>(modal);
                        text = message != nullptr ? message->text() : "<not a message box>";
                        modal->close();
                      });
  return text;
}

QString fieldText(QWidget* box, std::string_view field) {
  return box->findChild<QLineEdit*>(ui::qs(field))->text();
}

}  // namespace

class DepartmentTest : public testing::WindowTest {
  Q_OBJECT

 private slots:
  void aMarkedResultIsShownSpokenAndTitled();
  void fromTheKeysOfTheBoxToTheSavedFile();
  void aRefusedKeptFileIsToldAndLeftAsItIs();
  void aNewerIssueIsOfferedInItsBoxAsTheWindowOpens();
};

void DepartmentTest::aMarkedResultIsShownSpokenAndTitled() {
  // Standard mode: the result alone, heard alone, no mark, no title.
  act(*window_, "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER");
  QCOMPARE(display(), QString("PSI 183"));
  QTRY_COMPARE(announced(*window_), QString("PSI 183"));
  QVERIFY(mark(*window_)->isHidden());
  QVERIFY(window_->windowTitle().isEmpty());

  DepartmentValues values;
  values.name = "Engine 4";
  values.hoses[4].english = 10;
  values.perFloor.english = 5;
  values.pumpLimit.english = 150;
  window_->calculator().state.department = &values;
  act(*window_, "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER");
  QCOMPARE(display(), QString("PSI 160"));
  QVERIFY(mark(*window_)->isVisible());
  QCOMPARE(static_cast<QLabel*>(mark(*window_))->text(), QString("DEPT OVER LIMIT"));
  QTRY_COMPARE(announced(*window_),
               QString("PSI 160, made with department values, Engine 4, above the pump "
                       "pressure limit"));
  QCOMPARE(window_->windowTitle(), QString("Department values: Engine 4"));
  // The mark goes with the result.
  act(*window_, "5");
  QVERIFY(mark(*window_)->isHidden());
  QTRY_COMPARE(announced(*window_), QString(" 5"));
  window_->calculator().state.department = nullptr;
  act(*window_, "5");
  QVERIFY(window_->windowTitle().isEmpty());
}

void DepartmentTest::fromTheKeysOfTheBoxToTheSavedFile() {
  QTemporaryDir config;
  QVERIFY(config.isValid());
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  const auto folder = app::ConfigFolderStorage::userFolder();
  QVERIFY(folder.has_value() && folder->string().starts_with(config.path().toStdString()));
  app::ConfigFolderStorage storage(*folder);
  DepartmentStore store(storage);
  ui::frmVardel window(&store);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  const auto kept = [&] {
    std::ifstream in(storage.file());
    std::stringstream text;
    text << in.rdbuf();
    return department_file::read(text.str());
  };
  // Chooses an item by keyboard: Alt+D, then the item's access key.
  const auto choose = [&](Qt::Key item) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QString("mnuDepartment"));
    QTest::keyClick(QApplication::activePopupWidget(), item);
    QTRY_VERIFY2(QApplication::activePopupWidget() == nullptr, "waited for the menu to close");
  };
  QVERIFY(!std::filesystem::exists(storage.file()));  // nothing written yet
  QCOMPARE(window.menuBar()->actions().front()->text(), QString("&Department"));

  // The values box: typing one system fills the other unless both are typed;
  // the flow test works out the 1 3/4" key's coefficient.
  watch_->onOpen([&](QWidget* box) {
    if (box->objectName() != "frmDepartmentValues") return;
    typeInto(box, kName, "Engine 4");
    typeInto(box, designName(kEnglish, 6), "2.4");
    QCOMPARE(fieldText(box, designName(kMetric, 6)), QString("3.7887"));
    typeInto(box, designName(kMetric, 6), "4");
    typeInto(box, designName(kEnglish, 6), "2.5");
    QCOMPARE(fieldText(box, designName(kMetric, 6)), QString("4"));
    QCOMPARE(box->findChild<QComboBox*>(ui::qs(kTestHose))->currentText(), QString("1 3/4\""));
    typeInto(box, kTestFlow, "150");
    typeInto(box, kTestLength, "200");
    typeInto(box, kTestStart, "160");
    typeInto(box, kTestEnd, "100");
    typeInto(box, kTestRise, "10");
    click(box, kWorkOut);
    QCOMPARE(fieldText(box, designName(kEnglish, 4)), QString("12.37"));
    click(box, kSave);
  });
  choose(Qt::Key_V);
  const department_file::Read read = kept();
  QVERIFY2(read.values.has_value(), read.problem.c_str());
  QCOMPARE(read.values->name, std::string("Engine 4"));
  QCOMPARE(read.values->hoses[4].english, 12.37);
  QCOMPARE(read.values->hoses[6], (UnitPair{2.5, 4}));
  QCOMPARE(window.windowTitle(), QString("Department values: Engine 4"));
  act(window, "FL 150 ENTER H1.75 ENTER ENTER 200 ENTER");
  QCOMPARE(window.findChild<QLabel*>("text1")->text(), QString("PSI 56"));
  QVERIFY(mark(window)->isVisible());

  // A figure that is no number is refused with a message, and the file stays.
  watch_->onOpen([&](QWidget* box) {
    if (box->objectName() != "frmDepartmentValues") return;
    typeInto(box, kPerFloorEnglish, "five");
    QCOMPARE(clickForMessage(box, kSave),
             QString("The elevation pressure per floor in English units is not a number."));
  });
  choose(Qt::Key_V);
  QCOMPARE(kept().values, read.values);

  // The engine pressure on the display saved as a line, then the published
  // values put in force.
  act(window, "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER ENTER");
  watch_->onOpen([&](QWidget* box) {
    if (box->objectName() != "frmSavedLines") return;
    typeInto(box, lines_box::kLineName, "Crosslay 1");
    click(box, lines_box::kSaveLine);
  });
  choose(Qt::Key_S);
  choose(Qt::Key_P);
  const department_file::Read last = kept();
  QVERIFY(last.values.has_value());
  QCOMPARE(last.values->lines.size(), std::size_t{1});
  QCOMPARE(last.values->lines[0].flow, std::string("150"));
  QVERIFY(!last.values->inForce);
  QVERIFY(window.windowTitle().isEmpty());

  QStringList seen;
  for (const auto& box : watch_->take()) seen << box.objectName + ": " + box.text;
  QCOMPARE(seen,
           (QStringList{"frmDepartmentValues: ", "frmDepartmentValues: ", "frmSavedLines: "}));
  qunsetenv("XDG_CONFIG_HOME");
}

void DepartmentTest::aRefusedKeptFileIsToldAndLeftAsItIs() {
  QTemporaryDir config;
  const std::filesystem::path folder = config.path().toStdString();
  const std::string damaged = "{\"format\": \"vardel-department-values\", \"version\": 1,";
  std::ofstream(folder / "department.json") << damaged;
  app::ConfigFolderStorage storage(folder);
  DepartmentStore store(storage);
  ui::frmVardel window(&store);
  window.show();
  QTRY_VERIFY(!watch_->empty());
  const auto seen = watch_->take();
  QVERIFY(
      seen.front().text.startsWith("The department values kept on this device are not used. "
                                   "The file is damaged: it is not well-formed JSON. They "
                                   "stay as they are until"));
  QCOMPARE(window.calculator().state.department, nullptr);
  std::ifstream in(folder / "department.json");
  QCOMPARE(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
}

void DepartmentTest::aNewerIssueIsOfferedInItsBoxAsTheWindowOpens() {
  QTemporaryDir root;
  const std::filesystem::path user = root.path().toStdString() + "/home";
  const std::filesystem::path system = root.path().toStdString() + "/xdg";
  std::filesystem::create_directories(system / "vardel");
  DepartmentValues issue;
  issue.name = "Engine 4";
  issue.issued = "2026-12-01";
  issue.hoses[4] = {10, 15.786};
  // A user who changed the issued values is shown what a newer issue
  // changes as the window opens, and takes it with Apply.
  DepartmentValues own = issue;
  own.hoses[4] = {12, 18.94};
  std::filesystem::create_directories(user);
  std::ofstream(user / "department.json") << department_file::write(own);
  issue.issued = "2026-12-05";
  std::ofstream(system / "vardel" / "department.json") << department_file::write(issue);
  app::ConfigFolderStorage storage(user);
  app::SystemFile issued({system}, user);
  DepartmentStore store(storage, &issued);
  QString taken;
  watch_->onOpen([&](QWidget* box) {
    if (box->objectName() != "frmImport") return;
    // It opens as the window does: clicked once it is on the screen.
    QVERIFY(QTest::qWaitForWindowExposed(box));
    taken = clickForMessage(box, panel::import_box::kApply);
  });
  ui::frmVardel window(&store);
  window.show();
  QTRY_VERIFY(!taken.isEmpty());
  QVERIFY2(taken.contains("What this device had is kept in"), qPrintable(taken));
  QVERIFY(std::filesystem::exists(user / "department.kept.json"));
  QCOMPARE(window.calculator().state.department->origin, Origin::Issued);
  QCOMPARE(watch_->take().front().objectName, QString("frmImport"));
}

VARDEL_WINDOW_TEST_MAIN(DepartmentTest)
#include "department_test.moc"
