#include "window_test.h"

#include <QApplication>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <string>

#include "support/key_names.h"
#include "ui/controls.h"

namespace vardel::testing {

void WindowTest::init() {
  watch_ = std::make_unique<ModalWatch>();
  window_ = std::make_unique<ui::frmVardel>();
  window_->show();
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void WindowTest::cleanup() {
  window_.reset();
  QStringList left;
  for (const ModalWatch::Seen& seen : watch_->take()) left << seen.title + ": " + seen.text;
  watch_.reset();
  QVERIFY2(left.isEmpty(), qPrintable("modal window left over: " + left.join("; ")));
}

void act(ui::frmVardel& window, std::string_view script) {
  std::string unknown;
  const auto keys = parseKeys(script, &unknown);
  QVERIFY2(keys.has_value(), unknown.c_str());
  for (const Key key : *keys) window.act(key);
}

void click(QWidget* box, std::string_view key) {
  auto* button = box->findChild<QPushButton*>(ui::qs(key));
  QVERIFY2(button != nullptr && button->isEnabled(), qPrintable(ui::qs(key)));
  QTest::mouseClick(button, Qt::LeftButton);
}

bool saveInto(QWidget* box, std::string_view key, const QString& folder) {
  const auto saveHere = [&](QWidget* modal) {
    auto* files = qobject_cast<QFileDialog*>(modal);
    if (files == nullptr) {
      modal->close();  // and no file is written
      return;
    }
    files->setDirectory(folder);             // under the name offered
    static_cast<QDialog*>(files)->accept();  // as its Save key does
  };
  return visitModal([&] { click(box, key); }, saveHere);
}

QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    return "<" + program + " failed: " + process.readAllStandardError() + ">";
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

void useOffscreenUnlessChosen() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace vardel::testing
