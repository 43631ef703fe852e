#include "ui/panel_window.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "support/design_hoses.h"
#include "ui/announcer.h"
#include "ui/controls.h"
#include "ui/panel_widgets.h"
#include "window_test.h"

using namespace vardel::ui;

namespace {

// "Command1(7)" for a key of an array, the plain name otherwise.
QString displayName(const QWidget* widget) {
  const QVariant index = widget->property("index");
  return index.isValid() ? QStringLiteral("%1(%2)").arg(widget->objectName()).arg(index.toInt())
                         : widget->objectName();
}

bool isMetricCompatibleArial(const QFont& font) {
  const QString family = QFontInfo(font).family();
  return family == "Arial" || family == "Liberation Sans" || family == "Arimo";
}

}  // namespace

class PanelWindowTest : public vardel::testing::WindowTest {
  Q_OBJECT

 private slots:
  void everyControlIsWhereTheDesignPutsIt();
  void designedPixelsOfOtherControls();
  void keysAndLinesAreDrawnWhereTheDesignPutsThem();
  void hoseLabelsSitAboveTheirKeys();
  void windowFrameAndClientArea();
  void enlargingTheWindowMovesNothing();
  void startUpStateOfThePanel();
  void tabOrderFollowsTheDesign();
  void menuBar();
  void accessibleNames();
  void keypadChainsByMouse_data();
  void keypadChainsByMouse();
  void keypadFaultsShowOneMessage_data();
  void keypadFaultsShowOneMessage();
  void digitKeysMoveTheFocusToEnter();
  void unitKeySwitchesTheIndicator();
  void guidedCalculationByMouse();
  void enginePressureByMouse();
  void displayMenuReviewsAResult();
  void offClosesTheWindow();

 private:
  QPushButton* keyByCaption(const QString& caption) const;
  void click(const QStringList& captions);
};

QPushButton* PanelWindowTest::keyByCaption(const QString& caption) const {
  for (QPushButton* key : window_->findChildren<QPushButton*>()) {
    if (key->text() == caption && key->isVisible()) return key;
  }
  return nullptr;
}

void PanelWindowTest::click(const QStringList& captions) {
  for (const QString& caption : captions) {
    QPushButton* key = keyByCaption(caption);
    QVERIFY2(key != nullptr, qPrintable("no key " + caption));
    QTest::mouseClick(key, Qt::LeftButton);
  }
}

// The design's captions, fonts and colours, written out for one control of
// each sort; every key, label and text box keeps to the window's font family
// in regular weight, and every text is black.
void PanelWindowTest::everyControlIsWhereTheDesignPutsIt() {
  const struct {
    const char* name;
    const char* parent;
    QString caption;
    double points;
    QRgb face;  // key face or label background; 0 for none
  } designed[] = {
      {"text1", "panel", "VORNA", 15.75, 0xFFFFFF},
      {"txtEorM", "panel", "E", 14.25, 0xFFFFFF},
      {"cmdOff", "panel", "OFF", 8.25, 0xFFFF80},
      {"cmdEnter", "panel", "Enter", 8.25, 0xFFFF80},
      {"cmdEnginePressure", "panel", "ENGINE PRESSURE", 6, 0xC0C0FF},
      {"cmdfognozzleFR", "frmeFlowRate", "FOG NOZZLE", 6, 0xC0C0FF},
      {"Label1", "Frame1", "REACTION FORCE", 6.75, 0},
      {"cmdFourandHalfInch", "panel", " 4 1/2\"", 8.25, 0xFFFFFF},
      {"lbl77X65mm", "panel", "77 X 65mm", 8.25, 0},
      {"lblHoseSize", "panel", "Hose Size", 8.25, 0},
      {"cmdSquared", "panel", "X \u00B2", 9.75, 0xC0C0FF},
      {"cmdPosNeq", "panel", "+/-", 11.25, 0xC0C0FF},
  };
  for (const auto& d : designed) {
    auto* widget = window_->findChild<QWidget*>(d.name);
    QVERIFY2(widget != nullptr, d.name);
    QCOMPARE(widget->parentWidget()->objectName(), QString(d.parent));
    QCOMPARE(widget->font().pointSizeF(), d.points);
    QString caption;
    QRgb face = 0;
    if (auto* key = qobject_cast<QPushButton*>(widget)) {
      caption = key->text();
      face = key->palette().color(QPalette::Active, QPalette::Button).rgb() & 0xFFFFFF;
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      caption = label->text();
      if (label->autoFillBackground())
        face = label->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      caption = box->text();
      face = box->palette().color(QPalette::Base).rgb() & 0xFFFFFF;
    }
    QCOMPARE(caption, d.caption);
    QCOMPARE(face, d.face);
  }

  QStringList faults;
  for (QWidget* widget : window_->centralWidget()->findChildren<QWidget*>()) {
    const QString name = displayName(widget);
    QColor text;
    if (auto* key = qobject_cast<QPushButton*>(widget)) {
      text = key->palette().color(QPalette::Active, QPalette::ButtonText);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      text = label->palette().color(QPalette::WindowText);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      text = box->palette().color(QPalette::Disabled, QPalette::Text);
    } else {
      continue;
    }
    if (text != Qt::black) faults << name + ": text colour";
    const QFont font = widget->font();
    if (!isMetricCompatibleArial(font)) faults << name + ": font " + QFontInfo(font).family();
    if (font.bold() || font.italic() || font.underline() || font.strikeOut()) {
      faults << name + ": font style";
    }
  }
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// The controls that are not keys, their rectangles written out in pixels.
void PanelWindowTest::designedPixelsOfOtherControls() {
  const struct {
    const char* name;
    QRect pixels;
  } expected[] = {
      {"text1", {16, 64, 288, 29}},         {"txtEorM", {16, 64, 25, 29}},
      {"Image1", {48, 8, 203, 49}},         {"Frame1", {72, 168, 121, 49}},
      {"frmeFlowRate", {72, 112, 121, 49}}, {"lblFR", {24, 8, 65, 9}},
      {"Label1", {16, 8, 97, 9}},           {"lblHoseSize", {208, 216, 57, 17}},
  };
  for (const auto& [name, pixels] : expected) {
    QWidget* widget = window_->findChild<QWidget*>(name);
    QVERIFY2(widget != nullptr, name);
    QCOMPARE(widget->geometry(), pixels);
  }
}

// Every key and every line of the hose block, found on the rendered panel
// where the design's twips put them (15 twips to the pixel): a key is a
// rectangle of its face colour whose edges stand off the background, and a
// line is a run of dark pixels from end to end.
void PanelWindowTest::keysAndLinesAreDrawnWhereTheDesignPutsThem() {
  struct Block {
    std::vector<int> lefts, tops;
    int width, height;
    QRgb face;
  };
  const Block blocks[] = {
      {{360, 1200, 2040, 2880, 3720}, {5760, 6240, 6720, 7200}, 735, 375, 0xC0C0FF},  // keypad
      {{240, 3000, 3840}, {2040, 2880}, 735, 375, 0xC0C0FF},  // function and clear keys
      {{1080 + 120, 1080 + 960}, {1680 + 360, 2520 + 360}, 735, 375, 0xC0C0FF},  // nozzle keys
      {{480, 1560, 2640, 3600}, {4200, 4680, 5160}, 855, 255, 0xFFFFFF},         // hose keys
      {{2640, 3600}, {3720}, 855, 255, 0xFFFFFF},  // the two smallest hoses, above the rest
      {{3000}, {1560}, 1575, 375, 0xFFFF80},       // OFF
      {{240}, {3360}, 2175, 375, 0xFFFF80},        // Enter
  };
  const struct {
    int x1, y1, x2, y2;
  } lines[] = {{240, 3840, 240, 5520},   {240, 3840, 2520, 3840},  {2520, 3840, 2520, 3360},
               {2520, 3360, 3120, 3360}, {3960, 3360, 4560, 3360}, {4560, 3360, 4560, 5520},
               {240, 5520, 4560, 5520}};

  QWidget* panel = window_->centralWidget();
  if (QWidget* focused = window_->focusWidget()) focused->clearFocus();  // no focus frame
  const QImage image = panel->grab().toImage();
  QCOMPARE(image.size(), QSize(325, 543));
  const QRgb background = panel->palette().color(QPalette::Window).rgb();

  QStringList faults;
  std::set<QWidget*> found;
  for (const Block& block : blocks) {
    for (const int top : block.tops) {
      for (const int left : block.lefts) {
        const QRect r(left / 15, top / 15, block.width / 15, block.height / 15);
        const QString where = QStringLiteral("key at %1,%2").arg(r.x()).arg(r.y());
        const QPoint inside[] = {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
        const QPoint outside[] = {{r.center().x(), r.top() - 1},
                                  {r.center().x(), r.bottom() + 1},
                                  {r.left() - 1, r.center().y()},
                                  {r.right() + 1, r.center().y()}};
        for (const QPoint p : inside) {
          if (image.pixel(p) == background) faults << where + ": corner is background";
        }
        for (const QPoint p : outside) {
          if (image.pixel(p) != background) faults << where + ": larger than designed";
        }
        if ((image.pixel(r.left() + 3, r.top() + 3) & 0xFFFFFF) != block.face)
          faults << where + ": face colour";
        found.insert(qobject_cast<QPushButton*>(panel->childAt(r.center())));
      }
    }
  }
  found.erase(nullptr);
  int visibleKeys = 0;
  for (QPushButton* key : panel->findChildren<QPushButton*>()) visibleKeys += key->isVisible();
  if (static_cast<int>(found.size()) != visibleKeys) faults << "keys missed or doubled";

  for (const auto& line : lines) {
    const QRect covered =
        QRect(QPoint(line.x1 / 15, line.y1 / 15), QPoint(line.x2 / 15, line.y2 / 15)).normalized();
    int ink = 0;
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
      for (int x = covered.left(); x <= covered.right(); ++x) ink += qGray(image.pixel(x, y)) <= 64;
    }
    if (ink != covered.width() * covered.height()) {
      faults << QStringLiteral("line at %1,%2: gaps").arg(covered.x()).arg(covered.y());
    }
  }
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void PanelWindowTest::hoseLabelsSitAboveTheirKeys() {
  for (const vardel::testing::DesignHose& hose : vardel::testing::kDesignHoses) {
    auto* key = window_->findChild<QPushButton*>(qs(hose.keyName));
    auto* label = window_->findChild<QLabel*>(qs(hose.labelName));
    QVERIFY(key && label);
    QCOMPARE(key->text(), qs(hose.caption));
    QCOMPARE(label->text(), qs(hose.labelCaption));
    QCOMPARE(label->x(), key->x());
    QCOMPARE(label->y(), key->y() - 16);
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  }
}

void PanelWindowTest::windowFrameAndClientArea() {
  QCOMPARE(window_->objectName(), QString("frmVardel"));
  QVERIFY(window_->windowTitle().isEmpty());
  const Qt::WindowFlags flags = window_->windowFlags();
  QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
  QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  QVERIFY(flags & Qt::WindowSystemMenuHint);
  QCOMPARE(window_->centralWidget()->size(), QSize(325, 543));
  QCOMPARE(window_->centralWidget()->y(), window_->menuBar()->height());
  QVERIFY(window_->menuBar()->height() > 0);
  QVERIFY(window_->windowIcon().availableSizes().contains(QSize(32, 32)));
  // txtEorM lies in front of the display it covers.
  QWidget* panel = window_->centralWidget();
  QCOMPARE(panel->childAt(20, 70), window_->findChild<QWidget*>("txtEorM"));
  QCOMPARE(panel->childAt(200, 70), window_->findChild<QWidget*>("text1"));
  // The hidden ON key is not under the mouse at its place.
  QVERIFY(panel->childAt(9, 2) == nullptr);
}

void PanelWindowTest::enlargingTheWindowMovesNothing() {
  std::vector<std::pair<QWidget*, QRect>> before;
  for (QWidget* widget : window_->centralWidget()->findChildren<QWidget*>()) {
    before.emplace_back(widget, widget->geometry());
  }
  window_->resize(window_->size() + QSize(300, 200));
  QTRY_VERIFY2(window_->centralWidget()->width() > 325, "waited for the panel to take the window");
  for (const auto& [widget, geometry] : before) QCOMPARE(widget->geometry(), geometry);
}

void PanelWindowTest::startUpStateOfThePanel() {
  QCOMPARE(display(), QString("VORNA"));
  QCOMPARE(window_->findChild<QLineEdit*>("txtEorM")->text(), QString("E"));
  QVERIFY(!window_->findChild<QLineEdit*>("txtEorM")->isEnabled());
  auto* on = window_->findChild<QPushButton*>("CmdOn");
  QVERIFY(!on->isEnabled() && on->isHidden());
  // Start-up enables the keys that are designed disabled: every visible key works.
  for (QPushButton* key : window_->findChildren<QPushButton*>()) {
    if (key->isVisibleTo(window_.get())) QVERIFY2(key->isEnabled(), qPrintable(displayName(key)));
  }
  QVERIFY(window_->enterIsDefault());
  QVERIFY(window_->findChild<QPushButton*>("cmdEnter")->isDefault());
  QCOMPARE(window_->focusWidget(), window_->findChild<QWidget*>("cmdEnginePressure"));
}

void PanelWindowTest::tabOrderFollowsTheDesign() {
  const QStringList designed = {
      "cmdEnginePressure", "cmdStraightTipFR", "cmdfognozzleFR", "cmdClearDisplay", "cmdApplicRate",
      "cmdAllClear", "cmdEnglishMetric", "cmdFrictionLoss", "cmdFogNozzleRF", "cmdStraightTipRF",
      "cmdEnter",
      // Hose keys by their tab numbers: 15, 16, 17, 21, 22, 23, 26, 29, 30, 31, 34, 37, 38, 39.
      "cmdOneAndAQuarterInch", "cmdTwoandAHalfInch", "cmdFourInch", "cmdTwoInch",
      "cmdThreeAndAHalfInch", "cmdSixInch", "cmdOneInch", "cmdOneandThreeQuartersInch",
      "cmdThreeInch", "cmdFiveInch", "cmdThreeQuartersInch", "cmdOneandHalfInch",
      "cmd3Times2andHalfInch", "cmdFourandHalfInch", "cmdPosNeq", "cmdPercent", "cmdSquared",
      "cmdSqRoot", "Command1(0)", "Command1(1)", "Command1(4)", "Command1(7)", "Command1(10)",
      "Command1(2)", "Command1(5)", "Command1(8)", "command2(4)", "Command1(3)", "Command1(6)",
      "Command1(9)", "command2(0)", "command2(1)", "command2(3)", "command2(2)", "cmdOff"};

  // Follow the focus chain the way Tab does: only enabled, visible widgets
  // that accept the focus by Tab.
  QWidget* start = window_->findChild<QWidget*>("cmdEnginePressure");
  QStringList order;
  QWidget* widget = start;
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
        widget->isVisibleTo(window_.get())) {
      order << displayName(widget);
    }
    widget = widget->nextInFocusChain();
  } while (widget != start && order.size() <= designed.size());
  QCOMPARE(order, designed);

  // And a real Tab from the first key reaches the second.
  window_->activateWindow();
  start->setFocus();
  QTest::keyClick(start, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), window_->findChild<QWidget*>("cmdStraightTipFR"));
}

void PanelWindowTest::menuBar() {
  const QList<QAction*> menus = window_->menuBar()->actions();
  QCOMPARE(menus.size(), 1);
  QCOMPARE(menus[0]->text(), QString("&Help"));
  QMenu* help = menus[0]->menu();
  QCOMPARE(help->objectName(), QString("mnuHelp"));
  QCOMPARE(help->actions().size(), 1);
  QAction* about = help->actions()[0];
  QCOMPARE(about->objectName(), QString("mnuAbout"));
  QCOMPARE(about->text(), QString("&About Vardel"));

  about->trigger();
  const auto seen = watch_->take();
  QCOMPARE(seen.size(), std::size_t{1});
  QCOMPARE(seen[0].title, QString("About Vardel"));
  QCOMPARE(display(), QString("VORNA"));
}

void PanelWindowTest::accessibleNames() {
  auto* text1 = window_->findChild<QLabel*>("text1");
  QCOMPARE(text1->textFormat(), Qt::PlainText);
  QVERIFY(text1->accessibleName().isEmpty());
  QCOMPARE(window_->findChild<QWidget*>("txtEorM")->accessibleName(), QString("Unit system"));

  std::set<QString> names;
  for (QPushButton* key : window_->findChildren<QPushButton*>()) {
    QVERIFY2(!key->accessibleName().isEmpty(), qPrintable(displayName(key)));
    QVERIFY2(names.insert(key->accessibleName()).second, qPrintable(key->accessibleName()));
  }

  QCOMPARE(window_->accessibleName(), QString("Vardel"));
  QCOMPARE(window_->findChild<QWidget*>("cmdOneandThreeQuartersInch")->accessibleName(),
           QString("One and three quarter inch hose, 45 millimetres"));
  QCOMPARE(window_->findChild<QWidget*>("cmd3Times2andHalfInch")->accessibleName(),
           QString("Three inch hose with two and a half inch couplings, 77 by 65 millimetres"));

  // The display speaks its current text, leading blank and all; the
  // announcer, a notification, tells each new text and the unit change.
  auto* announcer = window_->findChild<Announcer*>("announcer");
  QVERIFY(announcer != nullptr);
  auto lastNotice = [&] {
    for (auto* notice : announcer->findChildren<Notice*>()) {
      if (notice->isVisible() && notice->text() == announcer->text()) {
        return QAccessible::queryAccessibleInterface(notice);
      }
    }
    return static_cast<QAccessibleInterface*>(nullptr);
  };
  click({"7"});
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(text1);
  QVERIFY(spoken != nullptr);
  QCOMPARE(spoken->text(QAccessible::Name), QString(" 7"));
  QTRY_COMPARE(announcer->text(), QString(" 7"));
  QAccessibleInterface* notice = lastNotice();
  QVERIFY(notice != nullptr);
  QCOMPARE(notice->role(), QAccessible::Notification);
  QCOMPARE(notice->text(QAccessible::Name), QString(" 7"));
  // Keys in quick succession: each earlier notice keeps its own text.
  click({"8"});
  QTRY_COMPARE(announcer->text(), QString(" 78"));
  QCOMPARE(notice->text(QAccessible::Name), QString(" 7"));
  // A function key clears to VORNA on its way to the prompt: only the
  // prompt is spoken.
  auto brandTexts = [&] {
    const auto notices = announcer->findChildren<Notice*>();
    return std::count_if(notices.begin(), notices.end(),
                         [](const Notice* each) { return each->text() == "VORNA"; });
  };
  const auto before = brandTexts();
  click({"FRICTION LOSS"});
  QTRY_COMPARE(announcer->text(), QString("FLOW GPM"));
  QCOMPARE(brandTexts(), before);
  click({"ENGLISH METRIC"});
  QTRY_COMPARE(announcer->text(), QString("Unit system M, metric"));
}

void PanelWindowTest::keypadChainsByMouse_data() {
  QTest::addColumn<QStringList>("keys");
  QTest::addColumn<QString>("shown");
  QTest::newRow("left to right") << QStringList{"2", "+", "3", "*", "4", "="} << " 20";
  QTest::newRow("a third") << QStringList{"1", "/", "3", "="} << " .333333333333333";
  QTest::newRow("root has no blank") << QStringList{"1", "6", "SqRoot"} << "4";
  QTest::newRow("squared") << QStringList{"1", ".", "5", "X \u00B2"} << "2.25";
  QTest::newRow("percent of the sum") << QStringList{"2", "0", "0", "+", "1", "0", "%"} << "220";
  QTest::newRow("sign") << QStringList{"1", "2", "+/-", "3"} << "-123";
  QTest::newRow("point first") << QStringList{".", "5"} << " .5";
  QTest::newRow("clear display while keying") << QStringList{"5", "CLEAR DISPLAY", "3"} << "03";
  QTest::newRow("clear display after an operator")
      << QStringList{"5", "+", "CLEAR DISPLAY", "3", "="} << " 8";
  QTest::newRow("all clear") << QStringList{"5", "+", "ALL CLEAR"} << "VORNA";
  QTest::newRow("lone zero replaced") << QStringList{"0", "0", "7"} << " 7";
}

void PanelWindowTest::keypadChainsByMouse() {
  QFETCH(QStringList, keys);
  QFETCH(QString, shown);
  click(keys);
  QCOMPARE(display(), shown);
}

void PanelWindowTest::keypadFaultsShowOneMessage_data() {
  QTest::addColumn<QStringList>("keys");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("shown");
  QTest::newRow("second point") << QStringList{"1", ".", "5", "."} << "ILLEGAL KELVOR"
                                << "Vardel"
                                << " 1.5";
  QTest::newRow("negative root") << QStringList{"4", "+/-", "SqRoot"}
                                 << "Error Attempting A Negative Root"
                                 << "Error"
                                 << "-4";
  QTest::newRow("divide by zero") << QStringList{"8", "/", "0", "="} << "SORRY DIVIDE ZERO"
                                  << "Vardel"
                                  << " 0";
}

void PanelWindowTest::keypadFaultsShowOneMessage() {
  QFETCH(QStringList, keys);
  QFETCH(QString, text);
  QFETCH(QString, title);
  QFETCH(QString, shown);
  click(keys);
  const auto seen = watch_->take();
  QCOMPARE(seen.size(), std::size_t{1});
  QCOMPARE(seen[0].className, QString("QMessageBox"));
  QCOMPARE(seen[0].text, text);
  QCOMPARE(seen[0].title, title);
  QCOMPARE(seen[0].buttons.size(), 1);
  QCOMPARE(QString(seen[0].buttons[0]).remove('&'), QString("OK"));
  QCOMPARE(display(), shown);
}

void PanelWindowTest::digitKeysMoveTheFocusToEnter() {
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  click({"5"});
  QCOMPARE(window_->focusWidget(), window_->findChild<QWidget*>("cmdEnter"));
  // The transform keys leave the focus where it is.
  auto* root = keyByCaption("SqRoot");
  root->setFocus();
  QTest::mouseClick(root, Qt::LeftButton);
  QCOMPARE(window_->focusWidget(), root);
}

void PanelWindowTest::unitKeySwitchesTheIndicator() {
  auto* indicator = window_->findChild<QLineEdit*>("txtEorM");
  click({"ENGLISH METRIC"});
  QCOMPARE(indicator->text(), QString("M"));
  QVERIFY(!indicator->isEnabled());
  click({"ALL CLEAR"});
  QCOMPARE(indicator->text(), QString("M"));
  click({"ENGLISH METRIC"});
  QCOMPARE(indicator->text(), QString("E"));
}

// Friction loss in English units, clicked the way a user does it.
void PanelWindowTest::guidedCalculationByMouse() {
  click({"FRICTION LOSS"});
  QCOMPARE(display(), QString("FLOW GPM"));
  click({"1", "5", "0"});
  QCOMPARE(display(), QString(" 150"));
  click({"Enter"});
  QCOMPARE(display(), QString("HOSE SIZE"));
  click({"1 3/4\""});
  QCOMPARE(display(), QString("1.75"));
  click({"Enter"});
  QCOMPARE(display(), QString("SIAMESE"));
  click({"Enter"});
  QCOMPARE(display(), QString("Length ft"));
  click({"2", "0", "0", "Enter"});
  QCOMPARE(display(), QString("PSI 70"));
}

// Engine pressure in both unit systems, all six steps clicked.
void PanelWindowTest::enginePressureByMouse() {
  click({"ENGINE PRESSURE"});
  QCOMPARE(display(), QString("Nozzle PSI"));
  click({"1", "0", "0", "Enter", "1", "5", "0", "Enter"});
  QCOMPARE(display(), QString("HOSE SIZE"));
  click({"1 3/4\"", "Enter"});
  QCOMPARE(display(), QString("SIAMESE"));
  click({"Enter"});
  QCOMPARE(display(), QString("Length ft"));
  click({"2", "0", "0", "Enter"});
  QCOMPARE(display(), QString("FLOORS"));
  click({"3", "Enter"});
  QCOMPARE(display(), QString("PSI 183"));

  click({"ENGLISH METRIC", "ENGINE PRESSURE"});
  QCOMPARE(display(), QString("Nozzle kPa"));
  click({"7", "0", "0", "Enter", "6", "0", "0", "Enter", "1 3/4\""});
  QCOMPARE(display(), QString("45"));
  click({"Enter", "Enter", "6", "0", "Enter", "2", "Enter"});
  QCOMPARE(display(), QString("kPa 1291"));
}

// Right-clicking the display opens its menu; its one item is offered only
// while a result is shown, and walks that result's inputs again.
void PanelWindowTest::displayMenuReviewsAResult() {
  auto* text1 = window_->findChild<QLabel*>("text1");
  auto* menu = window_->findChild<QMenu*>("mnuDisplay");
  auto* item = window_->findChild<QAction*>("mnuReviewInputs");
  QVERIFY(menu != nullptr && item != nullptr);
  QCOMPARE(item->text(), QString("Review inputs"));
  // What the window system sends on a right-click (test mouse clicks do not
  // make one).
  const auto openMenu = [&] {
    const QPoint at = text1->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, text1->mapToGlobal(at));
    QApplication::sendEvent(text1, &event);
    QVERIFY(menu->isVisible());
  };

  click({"FRICTION LOSS", "1", "5", "0"});
  openMenu();
  QVERIFY(!item->isEnabled());
  menu->hide();

  click({"Enter", "1 3/4\"", "Enter", "Enter", "2", "0", "0", "Enter"});
  QCOMPARE(display(), QString("PSI 70"));
  openMenu();
  QVERIFY(item->isEnabled());
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  QTRY_VERIFY(!menu->isVisible());
  QCOMPARE(display(), QString("FLOW GPM"));
  click({"Enter"});
  QCOMPARE(display(), QString("150"));
}

void PanelWindowTest::offClosesTheWindow() {
  QVERIFY(window_->isVisible());
  click({"OFF"});
  QVERIFY(!window_->isVisible());
}

VARDEL_WINDOW_TEST_MAIN(PanelWindowTest)
#include "panel_window_test.moc"
