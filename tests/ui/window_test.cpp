#include "window_test.h"

#include <QApplication>
#include <QStringList>
#include <string>

#include "support/key_names.h"

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

void useOffscreenUnlessChosen() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace vardel::testing
