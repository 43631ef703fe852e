#include "panel/import_desk.h"

#include "panel/import_box.h"

namespace vardel::panel {

using namespace import_box;

ImportDesk::ImportDesk(DepartmentStore& store, Calculator& calculator)
    : BoxDesk(importBox()), store_(store), calculator_(calculator) {}

void ImportDesk::show(DepartmentStore::Preview preview, const std::string& what) {
  open();
  importing_ = std::move(preview.values);
  at(kImport).text =
      preview.changes.empty() ? what + " changes nothing here." : what + " makes these changes:";
  at(kChanges).items = std::move(preview.changes);
}

std::string ImportDesk::import(std::string_view text) {
  DepartmentStore::Preview preview = store_.previewImport(std::string(text));
  if (!preview.values) return preview.problem;
  issue_ = false;
  const std::string name = preview.values->name;
  show(std::move(preview), "Importing \"" + name + "\"");
  return {};
}

std::string ImportDesk::offerIssue() {
  DepartmentStore::Preview preview = store_.previewIssue();
  if (!preview.values) return preview.problem;
  issue_ = true;
  const std::string what = "Taking the issued values of \"" + preview.values->name + "\" (" +
                           originText(*preview.values) + ")";
  show(std::move(preview), what);
  return {};
}

std::string ImportDesk::pressed(std::string_view key) {
  if (key != kApply || !importing_) return {};
  std::string told;
  std::string problem = issue_ ? store_.takeIssue(&told) : store_.takeImport(*importing_);
  store_.applyTo(calculator_);
  if (!problem.empty()) return problem;
  close();
  return told;
}

}  // namespace vardel::panel
