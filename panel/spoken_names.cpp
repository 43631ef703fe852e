#include "panel/spoken_names.h"

#include "core/calculator_state.h"
#include "panel/hose_keys.h"
#include "panel/main_window.h"

namespace vardel::panel {

std::string spokenName(const Control& row) {
  std::string name(row.accessibleName);
  if (!row.key || row.key->kind != KeyKind::Hose) return name;
  // The label caption, "45mm" or "77 X 65mm", in words.
  std::string_view size = kHoseKeys[static_cast<std::size_t>(row.key->index)].labelCaption;
  if (size.ends_with("mm")) size.remove_suffix(2);
  std::string metric(size);
  if (const auto by = metric.find(" X "); by != std::string::npos) metric.replace(by, 3, " by ");
  return name + ", " + metric + " millimetres";
}

std::string spokenUnits(std::string_view code) {
  std::string_view indicator;
  for (const Control& row : panelControls()) {
    if (row.kind == Kind::TextBox) indicator = row.accessibleName;
  }
  return std::string(indicator) + " " + std::string(code) +
         (code == kEnglishUnits ? ", English" : ", metric");
}

}  // namespace vardel::panel
