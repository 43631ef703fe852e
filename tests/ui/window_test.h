#pragma once

#include <QLabel>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <memory>
#include <string_view>

#include "modal_watch.h"
#include "ui/panel_window.h"

namespace vardel::testing {

// The base of every window test class. Before each test function a new main
// window is shown and made active, and a watch closes every modal window
// that opens; after it, the window is gone, and a modal window that the test
// did not take from the watch fails the test.
class WindowTest : public QObject {
  Q_OBJECT

 protected:
  QString display() const { return window_->findChild<QLabel*>("text1")->text(); }

  std::unique_ptr<ui::frmVardel> window_;
  std::unique_ptr<ModalWatch> watch_;

 private slots:
  void init();
  void cleanup();
};

// Presses the keys a script names (support/key_names.h) through the
// window's own action, as the window's keys and keyboard do.
void act(ui::frmVardel& window, std::string_view script);

// Clicks the key `key` of a box, which must be there and enabled.
void click(QWidget* box, std::string_view key);

// Clicks the key `key` of a box, which asks for a file to write, and saves
// the file in `folder` under the name the file box offers; false when no
// file box opened.
bool saveInto(QWidget* box, std::string_view key, const QString& folder);

// Runs a client program (pdfinfo, pdftotext) and gives what it wrote, or a
// text in angle brackets that says it failed.
QString run(const QString& program, const QStringList& arguments);

// Window tests run on the offscreen platform unless QT_QPA_PLATFORM names
// another; call before the application is made.
void useOffscreenUnlessChosen();

}  // namespace vardel::testing

// The main() of a window test program.
#define VARDEL_WINDOW_TEST_MAIN(TestClass)       \
  int main(int argc, char* argv[]) {             \
    vardel::testing::useOffscreenUnlessChosen(); \
    QApplication application(argc, argv);        \
    TestClass test;                              \
    return QTest::qExec(&test, argc, argv);      \
  }
