#include "ui/panel_window.h"

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <set>

#include "calc/hose_table.h"
#include "ui/controls.h"
#include "ui/panel_layout.h"
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
  void designedPixelsOfSomeControls();
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
  void offClosesTheWindow();

 private:
  QWidget* control(const Control& row) const;
  QPushButton* keyByCaption(const QString& caption) const;
  void click(const QStringList& captions);
};

QWidget* PanelWindowTest::control(const Control& row) const {
  const auto found = window_->findChildren<QWidget*>(qs(row.name));
  for (QWidget* widget : found) {
    const QVariant index = widget->property("index");
    if (!row.key || !index.isValid() || index.toInt() == row.key->index) return widget;
  }
  return nullptr;
}

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

// Walks the layout table: each row's widget exists under its name with the
// designed kind, parent, rectangle, caption, font and colours.
void PanelWindowTest::everyControlIsWhereTheDesignPutsIt() {
  QStringList faults;
  const QFont windowFont = window_->centralWidget()->font();
  for (const Control& row : panelControls()) {
    const QString name = qs(row.name);
    QWidget* widget = control(row);
    if (widget == nullptr) {
      faults << name + ": missing";
      continue;
    }
    const QString expectedParent = row.parent.empty() ? QString("panel") : qs(row.parent);
    if (widget->parentWidget()->objectName() != expectedParent) {
      faults << name + ": parent " + widget->parentWidget()->objectName();
    }

    const QRect expected = row.kind == Kind::Line ? pixelRect(row.line) : pixelRect(row.at);
    if (row.kind == Kind::Line) {
      if (expected.width() != 1 && expected.height() != 1) faults << name + ": not one pixel";
    } else if (row.at.left % 15 || row.at.top % 15 || row.at.width % 15 || row.at.height % 15) {
      faults << name + ": not on whole pixels";
    }
    if (widget->geometry() != expected) {
      faults << QStringLiteral("%1: at %2,%3 %4x%5")
                    .arg(name)
                    .arg(widget->x())
                    .arg(widget->y())
                    .arg(widget->width())
                    .arg(widget->height());
    }

    QString caption;
    bool kindMatches = false;
    switch (row.kind) {
      case Kind::Key:
        if (auto* key = qobject_cast<QPushButton*>(widget)) {
          kindMatches = true;
          caption = key->text();
          const QPalette& palette = key->palette();
          if (palette.color(QPalette::Active, QPalette::Button).rgb() !=
                  (0xFF000000u | *row.back) ||
              palette.color(QPalette::Active, QPalette::ButtonText).rgb() != 0xFF000000u) {
            faults << name + ": colours";
          }
        }
        break;
      case Kind::Label:
        if (auto* label = qobject_cast<QLabel*>(widget)) {
          kindMatches = label->textFormat() == Qt::PlainText;
          caption = label->text();
          if (label->palette().color(QPalette::WindowText).rgb() != 0xFF000000u) {
            faults << name + ": text colour";
          }
          if (row.back &&
              (!label->autoFillBackground() ||
               label->palette().color(QPalette::Window).rgb() != (0xFF000000u | *row.back))) {
            faults << name + ": background";
          }
        }
        break;
      case Kind::TextBox:
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
          kindMatches = true;
          caption = box->text();
          if (box->palette().color(QPalette::Disabled, QPalette::Text) != Qt::black) {
            faults << name + ": grey when disabled";
          }
        }
        break;
      case Kind::Frame:
        kindMatches = qobject_cast<QFrame*>(widget) && !qobject_cast<QLabel*>(widget);
        break;
      case Kind::Image:
        kindMatches = qobject_cast<StretchedImage*>(widget) != nullptr;
        break;
      case Kind::Line:
        kindMatches = widget->backgroundRole() == QPalette::WindowText;
        break;
    }
    if (!kindMatches) faults << name + ": wrong kind";
    if (caption != qs(row.caption)) faults << name + ": caption '" + caption + "'";

    if (row.kind == Kind::Key || row.kind == Kind::Label || row.kind == Kind::TextBox) {
      const QFont font = widget->font();
      const double points = row.font.face.empty() ? kWindowFont.points : row.font.points;
      if (!qFuzzyCompare(font.pointSizeF(), points)) {
        faults << name + ": " + QString::number(font.pointSizeF()) + " points";
      }
      if (!isMetricCompatibleArial(font)) faults << name + ": font " + QFontInfo(font).family();
      if (font.bold() || font.italic() || font.underline() || font.strikeOut()) {
        faults << name + ": font style";
      }
      if (row.font.face.empty() && font != windowFont) faults << name + ": not the window font";
    }
    if (widget->isVisibleTo(window_.get()) != row.visible) faults << name + ": visibility";
  }
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// A few rectangles written out in pixels, independently of the table.
void PanelWindowTest::designedPixelsOfSomeControls() {
  const struct {
    const char* name;
    QRect pixels;
  } expected[] = {
      {"text1", {16, 64, 288, 29}},         {"txtEorM", {16, 64, 25, 29}},
      {"Image1", {48, 8, 203, 49}},         {"cmdOff", {200, 104, 105, 25}},
      {"cmdEnter", {16, 224, 145, 25}},     {"frmeFlowRate", {72, 112, 121, 49}},
      {"cmdfognozzleFR", {64, 24, 49, 25}}, {"Label1", {16, 8, 97, 9}},
      {"cmdSixInch", {240, 344, 57, 17}},   {"lblHoseSize", {208, 216, 57, 17}},
      {"Line6", {16, 368, 289, 1}},         {"Line3", {168, 224, 1, 33}},
  };
  for (const auto& [name, pixels] : expected) {
    QWidget* widget = window_->findChild<QWidget*>(name);
    QVERIFY2(widget != nullptr, name);
    QCOMPARE(widget->geometry(), pixels);
  }
}

void PanelWindowTest::hoseLabelsSitAboveTheirKeys() {
  for (const vardel::Hose& hose : vardel::kHoses) {
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
  QTest::qWait(20);
  QVERIFY(window_->centralWidget()->width() > 325);
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

  // The display speaks its current text, leading blank and all.
  click({"7"});
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(text1);
  QVERIFY(spoken != nullptr);
  QCOMPARE(spoken->text(QAccessible::Name), QString(" 7"));
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

void PanelWindowTest::offClosesTheWindow() {
  QVERIFY(window_->isVisible());
  click({"OFF"});
  QVERIFY(!window_->isVisible());
}

VARDEL_WINDOW_TEST_MAIN(PanelWindowTest)
#include "panel_window_test.moc"
