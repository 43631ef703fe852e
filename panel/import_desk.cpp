#include "panel/import_desk.h"

#include "panel/import_box.h"

namespace vardel::panel {

using namespace import_box;

ImportDesk::ImportDesk(DepartmentStore& store, Calculator& calculator)
    : BoxDesk(importBox()), store_(store), calculator_(calculator) {}

std::string ImportDesk::import(std::string_view text) {
  DepartmentStore::Preview preview = store_.previewImport(std::string(text));
  if (!preview.values) return preview.problem;
  open();
  importing_ = std::move(preview.values);
  const std::string named = "Importing \"" + importing_->name + "\" ";
  at(kImport).text =
      preview.changes.empty() ? named + "changes nothing here." : named + "makes these changes:";
  at(kChanges).items = std::move(preview.changes);
  return {};
}

std::string ImportDesk::pressed(std::string_view key) {
  if (key != kApply || !importing_) return {};
  std::string problem = store_.takeImport(*importing_);
  store_.applyTo(calculator_);
  if (problem.empty()) close();
  return problem;
}

}  // namespace vardel::panel
