#pragma once

#include <string>

#include "core/calculator.h"
#include "panel/box_desk.h"

namespace vardel::panel {

// The desk of the working box (panel/working_box.h): how the result on the
// display was worked out, in the engine's own words (calc/working.h), to
// read and copy. It opens only while a result shows.
class WorkingDesk : public BoxDesk {
 public:
  explicit WorkingDesk(const Calculator& calculator);

  // Whether a result shows whose working can be shown.
  bool canOpen() const;
  // Opens the working of the result shown; nothing without one.
  void openBox();

  // Copy: the working.
  std::string copied() const override;

 private:
  const Calculator& calculator_;
};

}  // namespace vardel::panel
