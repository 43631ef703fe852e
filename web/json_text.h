#pragma once

#include <string>
#include <string_view>

// JSON texts as the layout program writes them (web/layout_json.cpp).
namespace vardel::web {

// A JSON string: quotes and backslashes escaped, control characters as
// \u escapes, UTF-8 as it is.
std::string quoted(std::string_view text);

}  // namespace vardel::web
