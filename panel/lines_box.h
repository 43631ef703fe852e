#pragma once

#include <string_view>

#include "panel/control.h"

namespace vardel::panel {

// "Saved lines", as designed: the lines kept, the one chosen described,
// Recall and Delete; a name to save the engine-pressure result on the
// display under. What its controls show comes from panel/lines_desk.h.
const Dialog& linesBox();

namespace lines_box {
inline constexpr std::string_view kLines = "lstLines";
inline constexpr std::string_view kLine = "lblLine";
inline constexpr std::string_view kRecall = "cmdRecall";
inline constexpr std::string_view kDelete = "cmdDelete";
inline constexpr std::string_view kSaveResult = "lblSaveResult";
inline constexpr std::string_view kLineName = "txtLineName";
inline constexpr std::string_view kSaveLine = "cmdSaveLine";
inline constexpr std::string_view kClose = "cmdClose";
}  // namespace lines_box

}  // namespace vardel::panel
