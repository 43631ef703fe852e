#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/department_values.h"

// The department's issued file on a device: the rules of what a device does
// with an issue it has not yet told of, and the note it keeps of what it
// has told. The store (department/department_store.h) applies them; the
// places are read in this order: this device's own file, then the issued
// file, then the published figures.
namespace vardel::issue {

// A text's fingerprint, to know it again in a note: 16 hexadecimal digits
// (FNV-1a, 64 bits), the same on every platform.
std::string fingerprint(std::string_view text);

// Whether an issue of the day `issued` is newer than the one a device's own
// values started from (`base`, empty when none is known). An issue without
// a day is never newer: there is nothing to compare.
bool isNewer(std::string_view issued, std::string_view base);

// What a device does with an issue it has not told of.
enum class News : std::uint8_t {
  Nothing,  // its own values stand, and the issue is not newer than theirs
  Told,     // it has no values of its own: the issue is in force, and it says so
  Offered,  // its own values stand, and it offers to take the newer issue
};
News newsOf(const DepartmentValues* own, const DepartmentValues& issue);

// What a device says when an issue comes into force on it.
std::string toldText(const DepartmentValues& issue);

// What a device has told, kept between runs: the fingerprint of the issue
// last told (or offered), and that of the last issued text it refused, so
// that neither is told twice.
struct Note {
  std::string issue, refused;
  bool operator==(const Note&) const = default;
};
Note readNote(std::string_view text);
std::string writeNote(const Note& note);

}  // namespace vardel::issue
