#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/calculator.h"
#include "department/department_store.h"
#include "panel/box_desk.h"

namespace vardel::panel {

// The desk of the Import box (panel/import_box.h): what taking a file's
// values, or the department's issued values, would change; nothing
// changes until Apply, which puts them in force.
class ImportDesk : public BoxDesk {
 public:
  ImportDesk(DepartmentStore& store, Calculator& calculator);

  // A file's text: the box opens with what it would change, or the file is
  // refused and no box opens.
  std::string import(std::string_view text);
  // The issued values in place of this device's own: the box opens with
  // what taking them would change, or the text says why there are none.
  std::string offerIssue();

 private:
  std::string pressed(std::string_view key) override;
  void closing() override { importing_.reset(); }
  // Opens the box on a preview, headed by what it is of.
  void show(DepartmentStore::Preview preview, const std::string& what);

  DepartmentStore& store_;
  Calculator& calculator_;
  std::optional<DepartmentValues> importing_;
  bool issue_ = false;  // the box shows the issued values, not a file's
};

}  // namespace vardel::panel
