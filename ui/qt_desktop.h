#pragma once

#include <string>

#include "ui/system_info.h"

class QWidget;

namespace vardel::ui {

// What starting the system-information tool needs from this desktop: a
// file test, starting a program, and a message box over `owner`.
class QtDesktop : public Desktop {
 public:
  explicit QtDesktop(QWidget* owner) : owner_(owner) {}

  bool fileExists(const std::string& path) override;
  bool startProgram(const std::string& path) override;
  void showMessage(const std::string& text) override;

 private:
  QWidget* owner_;
};

}  // namespace vardel::ui
