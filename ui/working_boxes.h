#pragma once

#include "panel/menus.h"
#include "panel/working_desk.h"

class QWidget;

namespace vardel::ui {

class BoxDialog;

// The working box and the pump chart box, drawn from their rows and shown
// modally while the working desk keeps them open. The keys whose work is
// the toolkit's are done here: Copy to the clipboard, Print through the
// system's print dialog, Save PDF to a file chosen in the file box.
class WorkingBoxes {
 public:
  WorkingBoxes(panel::WorkingDesk& desk, QWidget* window) : desk_(desk), window_(window) {}

  // ShowWorking (nothing without a result) or PumpChart.
  void open(panel::Command command);

 private:
  void output(BoxDialog& box, panel::Output output);

  panel::WorkingDesk& desk_;
  QWidget* window_;
};

}  // namespace vardel::ui
