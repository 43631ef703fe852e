// Writes the README's pictures of the desktop window, without a display:
//   vardel-screenshot OUTPUT.png                the panel as it opens, menu bar included
//   vardel-screenshot --department BOX.png MARK.png
//                                               the Department values box with a flow test
//                                               worked out, and the display with a marked result
//   vardel-screenshot --working WORKING.png CHART.png FOLDER
//                                               the working of a result made with department
//                                               values, the pump chart box of a saved line, and
//                                               its chart saved by Save PDF as
//                                               FOLDER/pump-chart.pdf
//   vardel-screenshot --practice WINDOW.png FOLDER
//                                               the window practising set 4127 after a miss,
//                                               and the set's worksheet saved by Save PDF as
//                                               FOLDER/practice-worksheet.pdf
//   vardel-screenshot --lays BOX.png RESULT.png WORKING.png FOLDER
//                                               the Lays box with a saved lay of three lines,
//                                               its result on the display, its working, and the
//                                               pump panel card saved by Card PDF as
//                                               FOLDER/pump-panel-card.pdf
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "core/app_info.h"
#include "department/department_file.h"
#include "department/department_store.h"
#include "panel/chart_box.h"
#include "panel/lays_box.h"
#include "panel/practice_box.h"
#include "panel/values_box.h"
#include "support/key_names.h"
#include "support/lay_builder.h"
#include "support/memory_storage.h"
#include "ui/controls.h"
#include "ui/panel_window.h"

namespace {

namespace chart_box = vardel::panel::chart_box;
namespace values_box = vardel::panel::values_box;
namespace lays_box = vardel::panel::lays_box;

bool save(QWidget* widget, const char* path) {
  if (widget->grab().save(QString::fromLocal8Bit(path), "PNG")) return true;
  std::fprintf(stderr, "vardel-screenshot: cannot write %s\n", path);
  return false;
}

// The file box that a key of `box` is about to open saves into `folder`
// under the name it offers.
void saveIntoWhenAsked(QWidget* box, const char* folder) {
  QTimer::singleShot(100, box, [folder] {
    auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    files->setDirectory(QDir(QString::fromLocal8Bit(folder)).absolutePath());
    static_cast<QDialog*>(files)->accept();
  });
}

// The window over a department's values kept in memory, shown.
vardel::testing::MemoryStorage keeping(const vardel::DepartmentValues& values) {
  vardel::testing::MemoryStorage storage;
  storage.text = vardel::department_file::write(values);
  return storage;
}

struct DepartmentWindow {
  explicit DepartmentWindow(const vardel::DepartmentValues& values) : storage(keeping(values)) {
    window.show();
    QApplication::processEvents();
  }
  vardel::testing::MemoryStorage storage;
  vardel::DepartmentStore store{storage};
  vardel::ui::frmVardel window{&store};  // reads the values at start-up
};

// The example of docs/department-file.md, the Engine 4 of the README.
vardel::DepartmentValues engine4() {
  vardel::DepartmentValues values;
  values.name = "Engine 4";
  values.hoses[4] = {10.0, 15.786};
  values.perFloor = {5.0, 35.0};
  values.pumpLimit = {200.0, 1379.0};
  return values;
}

// Grabs the display and a little around it.
bool saveDisplay(vardel::ui::frmVardel& window, const char* path) {
  QWidget* display = window.findChild<QWidget*>("text1");
  const QRect around = display->geometry().adjusted(-8, -8, 8, 8);
  if (window.centralWidget()->grab(around).save(QString::fromLocal8Bit(path), "PNG")) return true;
  std::fprintf(stderr, "vardel-screenshot: cannot write %s\n", path);
  return false;
}

int department(const char* boxPath, const char* markPath) {
  DepartmentWindow shown(engine4());
  vardel::ui::frmVardel& window = shown.window;

  bool saved = false;
  QTimer::singleShot(0, &window, [&] {
    QWidget* box = QApplication::activeModalWidget();
    const auto type = [box](std::string_view field, const char* text) {
      QTest::keyClicks(box->findChild<QLineEdit*>(vardel::ui::qs(field)),
                       QString::fromLatin1(text));
    };
    type(values_box::kTestFlow, "150");
    type(values_box::kTestLength, "200");
    type(values_box::kTestStart, "152");
    type(values_box::kTestEnd, "100");
    type(values_box::kTestRise, "10");
    QTest::mouseClick(box->findChild<QPushButton*>(vardel::ui::qs(values_box::kWorkOut)),
                      Qt::LeftButton);
    saved = save(box, boxPath);
    box->close();
  });
  window.findChild<QAction*>("mnuDepartmentValues")->trigger();

  std::string unknown;
  const auto keys = vardel::testing::parseKeys(
      "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER", &unknown);
  for (const vardel::Key key : keys.value()) window.act(key);
  QApplication::processEvents();
  return saveDisplay(window, markPath) && saved ? 0 : 1;
}

int working(const char* workingPath, const char* chartPath, const char* folder) {
  vardel::DepartmentValues values = engine4();
  values.lines.push_back({"Crosslay 1", false, "100", "150", 4, "1", "200", "0"});
  DepartmentWindow shown(values);
  vardel::ui::frmVardel& window = shown.window;
  std::string unknown;
  const auto keys = vardel::testing::parseKeys(
      "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER", &unknown);
  for (const vardel::Key key : keys.value()) window.act(key);

  bool saved = false;
  QTimer::singleShot(0, &window, [&] {
    QWidget* box = QApplication::activeModalWidget();
    saved = save(box, workingPath);
    box->close();
  });
  window.findChild<QAction*>("mnuShowWorking")->trigger();

  QTimer::singleShot(0, &window, [&] {
    QWidget* box = QApplication::activeModalWidget();
    QTest::keyClick(box->findChild<QComboBox*>(vardel::ui::qs(chart_box::kLay)),
                    Qt::Key_Down);  // Crosslay 1
    QTest::keyClick(box->findChild<QComboBox*>(vardel::ui::qs(chart_box::kPaper)),
                    Qt::Key_Up);  // A4
    saved = save(box, chartPath) && saved;
    saveIntoWhenAsked(box, folder);
    QTest::mouseClick(box->findChild<QPushButton*>(vardel::ui::qs(chart_box::kSavePdf)),
                      Qt::LeftButton);
    box->close();
  });
  window.findChild<QAction*>("mnuPumpChart")->trigger();
  return saved && QDir(QString::fromLocal8Bit(folder)).exists("pump-chart.pdf") ? 0 : 1;
}

// Set 4127 started from the practice box, its worksheet saved first; the
// first answer right, the second a miss, whose working the strip shows.
int practice(const char* windowPath, const char* folder) {
  namespace practice_box = vardel::panel::practice_box;
  vardel::testing::MemoryStorage storage;
  vardel::DepartmentStore store(storage);
  vardel::ui::frmVardel window(&store);
  window.show();
  QApplication::processEvents();
  QTimer::singleShot(0, &window, [&] {
    QWidget* box = QApplication::activeModalWidget();
    auto* number = box->findChild<QLineEdit*>(vardel::ui::qs(practice_box::kSet));
    number->selectAll();
    QTest::keyClicks(number, "4127");
    QTimer::singleShot(100, box, [folder] {
      auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      files->setDirectory(QDir(QString::fromLocal8Bit(folder)).absolutePath());
      static_cast<QDialog*>(files)->accept();
    });
    QTest::mouseClick(box->findChild<QPushButton*>(vardel::ui::qs(practice_box::kSavePdf)),
                      Qt::LeftButton);
    QTest::mouseClick(box->findChild<QPushButton*>(vardel::ui::qs(practice_box::kStart)),
                      Qt::LeftButton);
  });
  window.findChild<QAction*>("mnuPractice")->trigger();
  std::string unknown;
  const auto keys = vardel::testing::parseKeys("75 ENTER 70 ENTER", &unknown);
  for (const vardel::Key key : keys.value()) window.act(key);
  QApplication::processEvents();
  return save(&window, windowPath) &&
                 QDir(QString::fromLocal8Bit(folder)).exists("practice-worksheet.pdf")
             ? 0
             : 1;
}

// The department of the README's lays: Engine 4 with a crosslay, the three
// lines of the course and the wyed lay, a pump rated 1250 gpm.
vardel::DepartmentValues engine4WithLays() {
  vardel::DepartmentValues values = engine4();
  values.lines.push_back({"Crosslay 1", false, "100", "150", 4, "1", "200", "0"});
  values.ratedFlow = {1250.0, 4731.76473};
  values.lays = {vardel::testing::threeLines(false), vardel::testing::wyedLay(false)};
  values.lays[0].name = "Three lines";
  values.lays[1].name = "Wyed attack";
  return values;
}

int lays(const char* boxPath, const char* resultPath, const char* workingPath, const char* folder) {
  DepartmentWindow shown(engine4WithLays());
  vardel::ui::frmVardel& window = shown.window;

  bool saved = false;
  QTimer::singleShot(0, &window, [&] {
    QWidget* box = QApplication::activeModalWidget();
    QTest::keyClick(box->findChild<QComboBox*>(vardel::ui::qs(lays_box::kSavedLays)),
                    Qt::Key_Down);  // Three lines
    saved = save(box, boxPath);
    saveIntoWhenAsked(box, folder);
    QTest::mouseClick(box->findChild<QPushButton*>(vardel::ui::qs(lays_box::kSaveCardPdf)),
                      Qt::LeftButton);
    QTest::mouseClick(box->findChild<QPushButton*>(vardel::ui::qs(lays_box::kShow)),
                      Qt::LeftButton);
  });
  window.findChild<QAction*>("mnuLays")->trigger();
  QApplication::processEvents();
  saved = saveDisplay(window, resultPath) && saved;

  QTimer::singleShot(0, &window, [&] {
    QWidget* box = QApplication::activeModalWidget();
    saved = save(box, workingPath) && saved;
    box->close();
  });
  window.findChild<QAction*>("mnuShowWorking")->trigger();
  return saved && QDir(QString::fromLocal8Bit(folder)).exists("pump-panel-card.pdf") ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool departmentPictures = argc == 4 && std::strcmp(argv[1], "--department") == 0;
  const bool workingPictures = argc == 5 && std::strcmp(argv[1], "--working") == 0;
  const bool practicePictures = argc == 4 && std::strcmp(argv[1], "--practice") == 0;
  const bool layPictures = argc == 6 && std::strcmp(argv[1], "--lays") == 0;
  if (argc != 2 && !departmentPictures && !workingPictures && !practicePictures && !layPictures) {
    std::fputs(
        "usage: vardel-screenshot OUTPUT.png | --department BOX.png MARK.png | --working "
        "WORKING.png CHART.png FOLDER | --practice WINDOW.png FOLDER | --lays BOX.png RESULT.png "
        "WORKING.png FOLDER\n",
        stderr);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(vardel::app_info::kTitle));
  if (departmentPictures) return department(argv[2], argv[3]);
  if (workingPictures) return working(argv[2], argv[3], argv[4]);
  if (practicePictures) return practice(argv[2], argv[3]);
  if (layPictures) return lays(argv[2], argv[3], argv[4], argv[5]);
  vardel::ui::frmVardel window;
  window.show();
  QApplication::processEvents();
  return save(&window, argv[1]) ? 0 : 1;
}
