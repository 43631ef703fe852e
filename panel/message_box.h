#pragma once

#include <string>
#include <string_view>

namespace vardel::panel {

// The keypad's message box: the message, one OK key, no icon. An empty title
// asked for leaves the program's title on the box.
inline constexpr std::string_view kMessageBoxName = "msgbox";
inline constexpr std::string_view kMessageBoxOK = "OK";

std::string messageBoxTitle(std::string_view asked);

}  // namespace vardel::panel
