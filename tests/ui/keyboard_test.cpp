// Typing at the real window: the characters of the calculator's keyboard,
// Enter with the focus on any key, keys that must do nothing, and Ctrl+C.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "ui/panel_window.h"
#include "window_test.h"

class KeyboardTest : public vardel::testing::WindowTest {
  Q_OBJECT

 private slots:
  void typedRows_data();
  void typedRows();
  void keypadOfTheKeyboard();
  void enterRunsOnceWhereverTheFocusIs_data();
  void enterRunsOnceWhereverTheFocusIs();
  void otherKeysChangeNothing_data();
  void otherKeysChangeNothing();
  void spaceAndTabStillWorkOnTheFocusedKey();
  void ctrlCCopiesWithoutTheLeadingBlank_data();
  void ctrlCCopiesWithoutTheLeadingBlank();
  void aTypedFaultShowsItsMessageOnce();
  void displaySpeaksItsCurrentText();

 private:
  QPushButton* key(const char* name, int index = -1) const;
  // Types at the control that has the focus, as the keyboard does.
  static void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
  static void press(Qt::Key code, const QString& text = {}, Qt::KeyboardModifiers mods = {}) {
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), code, text, mods);
  }
};

QPushButton* KeyboardTest::key(const char* name, int index) const {
  for (auto* button : window_->findChildren<QPushButton*>(name)) {
    if (index < 0 || button->property("index").toInt() == index) return button;
  }
  return nullptr;
}

// Each step types a few characters and reads the display after them.
void KeyboardTest::typedRows_data() {
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("number") << QStringList{"12.5"} << QStringList{" 12.5"};
  QTest::newRow("four operators") << QStringList{"8/2=", "*3=", "-5=", "+10="}
                                  << QStringList{" 4", " 12", " 7", " 17"};
  QTest::newRow("c mid-chain clears the keypad")
      << QStringList{"5+3", "c", "4="} << QStringList{" 3", " 0", " 4"};
  QTest::newRow("C upper case") << QStringList{"5+3C", "4="} << QStringList{" 0", " 4"};
  QTest::newRow("d keeps the pending operator")
      << QStringList{"5+", "d", "3="} << QStringList{" 5", " 0", " 8"};
  QTest::newRow("D upper case") << QStringList{"5+D3="} << QStringList{" 8"};
}

void KeyboardTest::typedRows() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, shown);
  for (qsizetype i = 0; i < typed.size(); ++i) {
    type(typed[i]);
    QCOMPARE(display(), shown[i]);
  }
}

// The numeric keypad's keys carry the keypad modifier and type the same
// characters as the main keyboard; its Enter is the Enter key.
void KeyboardTest::keypadOfTheKeyboard() {
  const auto pad = Qt::KeypadModifier;
  press(Qt::Key_7, "7", pad);
  press(Qt::Key_Period, ".", pad);
  press(Qt::Key_5, "5", pad);
  QCOMPARE(display(), QString(" 7.5"));
  press(Qt::Key_Asterisk, "*", pad);
  press(Qt::Key_2, "2", pad);
  press(Qt::Key_Plus, "+", pad);
  QCOMPARE(display(), QString(" 15"));
  press(Qt::Key_1, "1", pad);
  press(Qt::Key_Slash, "/", pad);
  press(Qt::Key_4, "4", pad);
  press(Qt::Key_Minus, "-", pad);
  QCOMPARE(display(), QString(" 4"));

  // The keypad's Enter steps a guided calculation like Return does.
  QTest::mouseClick(key("cmdFrictionLoss"), Qt::LeftButton);
  press(Qt::Key_1, "1", pad);
  press(Qt::Key_0, "0", pad);
  press(Qt::Key_Enter, "\r", pad);
  QCOMPARE(display(), QString("HOSE SIZE"));
}

// Friction loss armed by mouse, 150 typed, then one Enter typed with the
// focus on various keys: one step, to the hose prompt, and the focused key
// is not clicked (a digit would replace the prompt, a hose key would show
// its size, a second Enter would find no hose and show ERROR).
void KeyboardTest::enterRunsOnceWhereverTheFocusIs_data() {
  QTest::addColumn<QString>("focusName");
  QTest::addColumn<int>("focusIndex");
  QTest::addColumn<int>("code");
  QTest::newRow("on Enter") << "cmdEnter" << -1 << int(Qt::Key_Return);
  QTest::newRow("on a digit") << "Command1" << 7 << int(Qt::Key_Return);
  QTest::newRow("on a hose key") << "cmdTwoInch" << -1 << int(Qt::Key_Return);
  QTest::newRow("on an operator") << "command2" << 4 << int(Qt::Key_Enter);
  QTest::newRow("on a function key") << "cmdEnginePressure" << -1 << int(Qt::Key_Return);
  QTest::newRow("on OFF") << "cmdOff" << -1 << int(Qt::Key_Return);
}

void KeyboardTest::enterRunsOnceWhereverTheFocusIs() {
  QFETCH(QString, focusName);
  QFETCH(int, focusIndex);
  QFETCH(int, code);
  QTest::mouseClick(key("cmdFrictionLoss"), Qt::LeftButton);
  QCOMPARE(display(), QString("FLOW GPM"));
  type("150");
  QCOMPARE(display(), QString(" 150"));
  QPushButton* focused = key(focusName.toLatin1().constData(), focusIndex);
  QVERIFY(focused != nullptr);
  focused->setFocus();
  QCOMPARE(QApplication::focusWidget(), focused);

  press(static_cast<Qt::Key>(code), "\r");
  QCOMPARE(display(), QString("HOSE SIZE"));
  QCOMPARE(window_->calculator().state.intStep, std::int16_t{1});
  QVERIFY(window_->isVisible());
}

// Keys that are not the calculator's characters leave the whole state as it
// was: letters, Backspace, Escape, Delete, function keys, and chords whose
// letter is a clear key (Alt+C, Ctrl+D).
void KeyboardTest::otherKeysChangeNothing_data() {
  QTest::addColumn<int>("code");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("mods");
  QTest::newRow("x") << int(Qt::Key_X) << "x" << 0;
  QTest::newRow("Q") << int(Qt::Key_Q) << "Q" << 0;
  QTest::newRow("e") << int(Qt::Key_E) << "e" << 0;
  QTest::newRow("comma") << int(Qt::Key_Comma) << "," << 0;
  QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b" << 0;
  QTest::newRow("Escape") << int(Qt::Key_Escape) << "\x1b" << 0;
  QTest::newRow("Delete") << int(Qt::Key_Delete) << "\x7f" << 0;
  QTest::newRow("F1") << int(Qt::Key_F1) << "" << 0;
  QTest::newRow("Alt+C") << int(Qt::Key_C) << "c" << int(Qt::AltModifier);
  QTest::newRow("Ctrl+D") << int(Qt::Key_D) << "\x04" << int(Qt::ControlModifier);
  QTest::newRow("Ctrl+5") << int(Qt::Key_5) << "5" << int(Qt::ControlModifier);
  QTest::newRow("a wide character") << int(Qt::Key_unknown) << QString(QChar(0x2035)) << 0;
}

void KeyboardTest::otherKeysChangeNothing() {
  QFETCH(int, code);
  QFETCH(QString, text);
  QFETCH(int, mods);
  type("5+3");
  key("cmdEnter")->setFocus();
  const vardel::CalculatorState before = window_->calculator().state;
  press(static_cast<Qt::Key>(code), text, Qt::KeyboardModifiers(mods));
  QVERIFY(window_->calculator().state == before);
  QCOMPARE(display(), QString(" 3"));
  QVERIFY(window_->isVisible());
}

// The characters the calculator does not use still reach the focused key.
void KeyboardTest::spaceAndTabStillWorkOnTheFocusedKey() {
  QPushButton* seven = key("Command1", 7);
  seven->setFocus();
  press(Qt::Key_Space, " ");
  QCOMPARE(display(), QString(" 7"));
  // The digit key moved the focus to Enter; Tab goes on to the first hose key.
  QCOMPARE(QApplication::focusWidget(), key("cmdEnter"));
  press(Qt::Key_Tab, "\t");
  QCOMPARE(QApplication::focusWidget(), key("cmdOneAndAQuarterInch"));
  QCOMPARE(display(), QString(" 7"));
}

void KeyboardTest::ctrlCCopiesWithoutTheLeadingBlank_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<QString>("copied");
  QTest::newRow("start") << ""
                         << "VORNA"
                         << "VORNA";
  QTest::newRow("number") << "12.5"
                          << " 12.5"
                          << "12.5";
  QTest::newRow("result") << "1/3="
                          << " .333333333333333"
                          << ".333333333333333";
  QTest::newRow("negative") << "2-5="
                            << "-3"
                            << "-3";
}

void KeyboardTest::ctrlCCopiesWithoutTheLeadingBlank() {
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  QFETCH(QString, copied);
  type(typed);
  QApplication::clipboard()->setText("before");
  const vardel::CalculatorState before = window_->calculator().state;
  press(Qt::Key_C, "\x03", Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), copied);
  QCOMPARE(display(), shown);
  QVERIFY(window_->calculator().state == before);
}

// A fault reached by typing shows its message once; keys typed while the
// message is open do not reach the calculator.
void KeyboardTest::aTypedFaultShowsItsMessageOnce() {
  QString displayWhileOpen;
  watch_->onOpen([&](QWidget*) {
    QTest::keyClicks(window_.get(), "999");
    QTest::keyClick(window_->windowHandle(), Qt::Key_9, Qt::NoModifier);
    displayWhileOpen = display();
  });
  type("8/0=");
  const auto seen = watch_->take();
  QCOMPARE(seen.size(), std::size_t{1});
  QCOMPARE(seen[0].text, QString("SORRY DIVIDE ZERO"));
  QCOMPARE(displayWhileOpen, QString(" 0"));
  QCOMPARE(display(), QString(" 0"));
}

// A screen reader reads the display by its accessible name, which follows
// the text, leading blank included, and is never a fixed name. (The label
// announces each new text itself, as a name change, once an assistive tool
// has switched accessibility on.)
void KeyboardTest::displaySpeaksItsCurrentText() {
  auto* text1 = window_->findChild<QLabel*>("text1");
  QVERIFY(text1->accessibleName().isEmpty());
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(text1);
  QVERIFY(spoken != nullptr);
  QCOMPARE(spoken->text(QAccessible::Name), QString("VORNA"));
  type("4");
  QCOMPARE(spoken->text(QAccessible::Name), QString(" 4"));
  type("*2=");
  QCOMPARE(spoken->text(QAccessible::Name), QString(" 8"));
  press(Qt::Key_C, "C");
  QCOMPARE(spoken->text(QAccessible::Name), QString(" 0"));
}

VARDEL_WINDOW_TEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
