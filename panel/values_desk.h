#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "core/calculator.h"
#include "department/department_store.h"
#include "panel/box_desk.h"

namespace vardel::panel {

// The desk of the values box (panel/values_box.h): the department's
// figures as the store keeps them, the published ones in grey beside empty
// fields; a figure typed in one unit system followed in the other by the
// exact conversion unless the user typed both; the flow test, whose
// coefficient goes into its key's field; Save, which writes the figures
// through the store and points the calculator at those in force.
class ValuesDesk : public BoxDesk {
 public:
  ValuesDesk(DepartmentStore& store, Calculator& calculator);

  void openBox();

 private:
  void edited(std::string_view name) override;
  void selected(std::string_view name, int row) override;
  std::string pressed(std::string_view key) override;
  void closing() override { typed_.clear(); }

  void drawTestUnits();
  std::string workOut();
  std::string save();

  DepartmentStore& store_;
  Calculator& calculator_;
  std::set<std::string, std::less<>> typed_;  // fields the user typed in, this opening
};

}  // namespace vardel::panel
