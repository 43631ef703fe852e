#include "panel/working_desk.h"

#include "calc/working.h"
#include "panel/working_box.h"

namespace vardel::panel {

using namespace working_box;

WorkingDesk::WorkingDesk(const Calculator& calculator)
    : BoxDesk(workingBox()), calculator_(calculator) {}

bool WorkingDesk::canOpen() const { return canShowWorking(calculator_.state); }

void WorkingDesk::openBox() {
  if (!canOpen()) return;
  open();
  std::string text;
  for (const std::string& line : working(calculator_.state)) {
    if (!text.empty()) text += "\n";
    text += line;
  }
  at(kWorking).text = std::move(text);
}

std::string WorkingDesk::copied() const { return at(kWorking).text; }

}  // namespace vardel::panel
