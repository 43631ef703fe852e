#pragma once

#include <string_view>

#include "panel/control.h"

namespace vardel::panel {

// "Import department values", as designed: what taking the file would
// change, then Apply or Cancel. What it shows comes from panel/import_desk.h.
const Dialog& importBox();

namespace import_box {
inline constexpr std::string_view kImport = "lblImport";
inline constexpr std::string_view kChanges = "lstChanges";
inline constexpr std::string_view kApply = "cmdApply";
inline constexpr std::string_view kCancel = "cmdCancel";
}  // namespace import_box

}  // namespace vardel::panel
