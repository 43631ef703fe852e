// The About box opened from the menu of the real window: its texts, its
// shape, how it closes, and that the main window takes no input meanwhile.
#include "ui/about_box.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "ui/panel_window.h"
#include "window_test.h"

using vardel::ui::frmAbout;

namespace {

const QString kDescription =
    "The Vardel is programmed to provide answers to typical fireground situations under normal "
    "and reasonable conditions. The calculator was designed to provide advanced prompting "
    "programs and basic mathematical functions as well.";

QString labelText(QWidget* box, const char* name) {
  auto* label = box->findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QString("<missing %1>").arg(name);
}

}  // namespace

class AboutBoxTest : public vardel::testing::WindowTest {
  Q_OBJECT

 private slots:
  void openedTwiceByTheMenuShowsTheProgramEachTime();
  void accessKeysOpenIt();
  void shapeAndPlaces();
  void enterAndEscapeClose_data();
  void enterAndEscapeClose();
  void mainWindowTakesNoInputWhileOpen();
  void sysInfoSaysUnavailableHere();

 private:
  QAction* aboutItem() const { return window_->findChild<QAction*>("mnuAbout"); }
  // Opens the box from the menu and runs `visit` on it while it is open.
  void openAbout(const std::function<void(frmAbout*)>& visit);
};

void AboutBoxTest::openAbout(const std::function<void(frmAbout*)>& visit) {
  bool visited = false;
  watch_->onOpen([&](QWidget* modal) {
    auto* box = qobject_cast<frmAbout*>(modal);
    QVERIFY2(box != nullptr, qPrintable(modal->objectName()));
    visited = true;
    visit(box);
  });
  aboutItem()->trigger();
  watch_->onOpen({});
  QVERIFY(visited);
  const auto seen = watch_->take();
  QCOMPARE(seen.size(), std::size_t{1});
  QCOMPARE(seen[0].objectName, QString("frmAbout"));
  // Closed means gone: nothing of the box is left under the main window.
  QVERIFY(window_->findChildren<frmAbout*>().isEmpty());
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void AboutBoxTest::openedTwiceByTheMenuShowsTheProgramEachTime() {
  QPointer<frmAbout> first;
  for (int opening = 0; opening < 2; ++opening) {
    openAbout([&](frmAbout* box) {
      QCOMPARE(QApplication::activeModalWidget(), box);
      QVERIFY(box->isModal());
      if (opening == 1) QVERIFY2(first.isNull(), "the first box still exists");
      first = box;
      QCOMPARE(box->windowTitle(), QString("About Vardel"));
      QCOMPARE(labelText(box, "lblTitle"), QString("Vardel"));
      QCOMPARE(labelText(box, "lblVersion"), QString("Version 2.0.0"));
      QCOMPARE(labelText(box, "lblDescription"), kDescription);
      QCOMPARE(labelText(box, "lblDisclaimer"), QString("Warning: ..."));
      for (auto* label : box->findChildren<QLabel*>()) {
        QVERIFY(!label->text().contains("3.0") && !label->text().contains("MyApp"));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        // Labels are read by their text.
        if (!label->text().isEmpty()) {
          QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                   label->text());
        }
      }
    });
    QCOMPARE(display(), QString("VORNA"));
  }
  QVERIFY(first.isNull());
}

// Alt+H opens the Help menu; A then chooses About.
void AboutBoxTest::accessKeysOpenIt() {
  QString title;
  watch_->onOpen([&](QWidget* modal) { title = modal->windowTitle(); });
  QTest::keyClick(window_.get(), Qt::Key_H, Qt::AltModifier);
  QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(menu != nullptr);
  QCOMPARE(menu->objectName(), QString("mnuHelp"));
  QTest::keyClick(menu, Qt::Key_A);
  QTRY_COMPARE(title, QString("About Vardel"));
  QCOMPARE(watch_->take().size(), std::size_t{1});
  QCOMPARE(display(), QString("VORNA"));
}

void AboutBoxTest::shapeAndPlaces() {
  openAbout([](frmAbout* box) {
    QCOMPARE(box->size(), QSize(382, 237));
    QCOMPARE(box->minimumSize(), box->maximumSize());
    const Qt::WindowFlags flags = box->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);

    const struct {
      const char* name;
      QRect at;
    } places[] = {
        {"Image1", {24, 16, 32, 32}},          {"lblTitle", {70, 16, 259, 32}},
        {"lblVersion", {70, 52, 259, 15}},     {"lblDescription", {70, 75, 259, 78}},
        {"lblDisclaimer", {17, 175, 258, 55}}, {"cmdOK", {283, 200, 84, 23}},
        {"Line1(1)", {6, 163, 371, 1}},        {"Line1(0)", {7, 164, 370, 2}},
    };
    // A member of a control array by its design name, "Line1(0)".
    const auto byDesignName = [box](const QString& name) -> QWidget* {
      for (auto* widget : box->findChildren<QWidget*>()) {
        const QVariant index = widget->property("index");
        if ((index.isValid() ? QString("%1(%2)").arg(widget->objectName()).arg(index.toInt())
                             : widget->objectName()) == name) {
          return widget;
        }
      }
      return nullptr;
    };
    for (const auto& place : places) {
      QWidget* widget = byDesignName(place.name);
      QVERIFY2(widget != nullptr, place.name);
      QCOMPARE(widget->geometry(), place.at);
    }
    // The description fits its label when wrapped.
    auto* description = box->findChild<QLabel*>("lblDescription");
    QVERIFY(description->wordWrap());
    QVERIFY(description->heightForWidth(description->width()) <= description->height());

    // Only OK takes the focus, and it is the default key.
    auto* ok = box->findChild<QPushButton*>("cmdOK");
    QCOMPARE(ok->text(), QString("OK"));
    QVERIFY(ok->isDefault());
    for (auto* widget : box->findChildren<QWidget*>()) {
      if (widget != ok)
        QVERIFY2(widget->focusPolicy() == Qt::NoFocus, qPrintable(widget->objectName()));
    }

    // The etched rule: grey over white; the icon at its own size.
    const QImage picture = box->grab().toImage();
    QCOMPARE(picture.pixelColor(100, 163), QColor(0x80, 0x80, 0x80));
    QCOMPARE(picture.pixelColor(100, 164), QColor(Qt::white));
    QCOMPARE(picture.pixelColor(100, 165), QColor(Qt::white));
    QCOMPARE(box->findChild<QLabel*>("Image1")->pixmap().size(), QSize(32, 32));
  });
}

void AboutBoxTest::enterAndEscapeClose_data() {
  QTest::addColumn<int>("code");
  QTest::addColumn<bool>("toOk");
  QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
  QTest::newRow("Enter") << int(Qt::Key_Return) << false;
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false;
  QTest::newRow("Enter on OK") << int(Qt::Key_Return) << true;
}

void AboutBoxTest::enterAndEscapeClose() {
  QFETCH(int, code);
  QFETCH(bool, toOk);
  bool closedByKey = false;
  openAbout([&](frmAbout* box) {
    QWidget* target = toOk ? box->findChild<QWidget*>("cmdOK") : static_cast<QWidget*>(box);
    QTest::keyClick(target, static_cast<Qt::Key>(code));
    closedByKey = !box->isVisible();
  });
  QVERIFY(closedByKey);
  QCOMPARE(display(), QString("VORNA"));
}

// Clicks and typing on the main window while the box is open change
// nothing. Keys sent straight to the window meet its key handler, which
// must leave them alone; keys and clicks through the window system meet the
// modal box as a user's do.
void AboutBoxTest::mainWindowTakesNoInputWhileOpen() {
  QTest::keyClicks(QApplication::focusWidget(), "12");
  QCOMPARE(display(), QString(" 12"));
  const vardel::CalculatorState before = window_->calculator().state;
  openAbout([&](frmAbout*) {
    QTest::keyClicks(window_.get(), "345c\r");
    QTest::keyClick(window_->windowHandle(), Qt::Key_7);
    QTest::keyClick(window_->windowHandle(), Qt::Key_Return);
    for (const char* name : {"Command1", "cmdAllClear", "cmdEnter"}) {
      QWidget* key = window_->findChild<QWidget*>(name);
      const QPoint at = key->mapTo(window_.get(), key->rect().center());
      QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, at);
    }
    QCOMPARE(display(), QString(" 12"));
  });
  QVERIFY(window_->calculator().state == before);
  QCOMPARE(display(), QString(" 12"));
  // And afterwards the window takes input again.
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClicks(QApplication::focusWidget(), "3");
  QCOMPARE(display(), QString(" 123"));
  QWidget* key = window_->findChild<QWidget*>("cmdClearDisplay");
  QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {},
                    key->mapTo(window_.get(), key->rect().center()));
  QCOMPARE(display(), QString("0"));
}

// Without a registry the system-information tool is reported unavailable,
// in a message box with OK only under the program's title.
void AboutBoxTest::sysInfoSaysUnavailableHere() {
  frmAbout box(window_.get());
  box.StartSysInfo();
  const auto seen = watch_->take();
  QCOMPARE(seen.size(), std::size_t{1});
  QCOMPARE(seen[0].text, QString("System Information Is Unavailable At This Time"));
  QCOMPARE(seen[0].title, QString("Vardel"));
  QCOMPARE(seen[0].buttons.size(), 1);
  QCOMPARE(QString(seen[0].buttons[0]).remove('&'), QString("OK"));
}

VARDEL_WINDOW_TEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
