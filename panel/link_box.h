#pragma once

#include <string_view>

#include "panel/control.h"

namespace vardel::panel {

// "Link with department values", in the web page: a link that carries the
// department's values, to send to a crew member's phone; Copy and Close.
// What its text shows comes from panel/link_desk.h.
const Dialog& linkBox();

namespace link_box {
inline constexpr std::string_view kLink = "txtLink";
inline constexpr std::string_view kCopy = "cmdCopy";
inline constexpr std::string_view kClose = "cmdClose";
}  // namespace link_box

}  // namespace vardel::panel
