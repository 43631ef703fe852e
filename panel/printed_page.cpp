#include "panel/printed_page.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vardel::panel {

Paper paperOf(std::string_view locale) {
  // The region is the first subtag of two letters after the language.
  static constexpr std::array kLetter = {"BZ", "CA", "CL", "CO", "CR", "GT", "MX",
                                         "NI", "PA", "PH", "PR", "SV", "US", "VE"};
  std::size_t start = locale.find_first_of("_-");
  while (start != std::string_view::npos) {
    const std::size_t end = locale.find_first_of("_-.@", start + 1);
    const std::string_view subtag = locale.substr(start + 1, end - start - 1);
    if (subtag.size() == 2 && std::isalpha(static_cast<unsigned char>(subtag[0])) &&
        std::isalpha(static_cast<unsigned char>(subtag[1]))) {
      const std::string region{static_cast<char>(std::toupper(subtag[0])),
                               static_cast<char>(std::toupper(subtag[1]))};
      return std::find(kLetter.begin(), kLetter.end(), region) != kLetter.end() ? Paper::Letter
                                                                                : Paper::A4;
    }
    if (end == std::string_view::npos || locale[end] == '.' || locale[end] == '@') break;
    start = end;
  }
  return Paper::A4;
}

}  // namespace vardel::panel
