#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/calculator.h"
#include "department/department_store.h"
#include "panel/box_desk.h"

namespace vardel::panel {

// The desk of the Import box (panel/import_box.h): what taking a file's
// values would change; nothing changes until Apply, which puts them in
// force.
class ImportDesk : public BoxDesk {
 public:
  ImportDesk(DepartmentStore& store, Calculator& calculator);

  // A file's text: the box opens with what it would change, or the file is
  // refused and no box opens.
  std::string import(std::string_view text);

 private:
  std::string pressed(std::string_view key) override;
  void closing() override { importing_.reset(); }

  DepartmentStore& store_;
  Calculator& calculator_;
  std::optional<DepartmentValues> importing_;
};

}  // namespace vardel::panel
