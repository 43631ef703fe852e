#pragma once

#include <string_view>

#include "panel/control.h"

namespace vardel::panel {

// "Practice": the number of a set, what the set holds and how it is
// answered; Start, the worksheet printed or saved as a PDF, and Close. What
// its controls show comes from panel/practice_desk.h.
const Dialog& practiceBox();

namespace practice_box {
inline constexpr std::string_view kSet = "txtSet";
inline constexpr std::string_view kAbout = "txtAbout";
inline constexpr std::string_view kStart = "cmdStart";
inline constexpr std::string_view kPrint = "cmdPrint";
inline constexpr std::string_view kSavePdf = "cmdSavePdf";
inline constexpr std::string_view kClose = "cmdClose";
}  // namespace practice_box

// The strip below the panel while practice is on: the problem standing, the
// verdict on the last answer and at the end the score, and the key that
// leaves practice. It is no box: the panel's keys work beside it. Hidden
// while practice is off, so that the window is exactly the design.
const Dialog& practiceStrip();

namespace practice_strip {
inline constexpr std::string_view kProblem = "txtProblem";
inline constexpr std::string_view kLeave = "cmdLeavePractice";
}  // namespace practice_strip

}  // namespace vardel::panel
