#pragma once

#include <string>
#include <string_view>

// How the boxes' fields read and show figures.
namespace vardel::panel {

// A field's text without the blanks around it.
std::string_view trimmed(std::string_view text);

// A figure as a field shows it: five significant digits, enough for any
// coefficient or pressure a hose test can tell apart.
std::string fieldText(double value);

}  // namespace vardel::panel
