#include "department/issue.h"

#include <array>
#include <cstdint>

namespace vardel::issue {

std::string fingerprint(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  constexpr std::array<char, 16> kDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                            '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
  std::string out(16, '0');
  for (std::size_t i = 0; i < out.size(); ++i) out[15 - i] = kDigits[(hash >> (4 * i)) & 0xf];
  return out;
}

bool isNewer(std::string_view issued, std::string_view base) {
  // Days written as 2026-12-01 sort as their texts do.
  return !issued.empty() && (base.empty() || issued > base);
}

News newsOf(const DepartmentValues* own, const DepartmentValues& issue) {
  if (own == nullptr) return News::Told;
  return isNewer(issue.issued, own->issued) ? News::Offered : News::Nothing;
}

std::string toldText(const DepartmentValues& issue) {
  std::string text = "Department values: " + issue.name;
  if (!issue.issued.empty()) text += ", issued " + issue.issued;
  text += ". The department issued them to this device";
  return text +
         (issue.inForce ? ", and they are in force." : "; the published figures stay in force.");
}

Note readNote(std::string_view text) {
  const std::size_t gap = text.find(' ');
  if (gap == std::string_view::npos) return {std::string(text), {}};
  return {std::string(text.substr(0, gap)), std::string(text.substr(gap + 1))};
}

std::string writeNote(const Note& note) { return note.issue + " " + note.refused; }

}  // namespace vardel::issue
