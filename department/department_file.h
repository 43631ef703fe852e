#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/department_values.h"

// The department file: the one file in which a department's values are kept
// on a device and handed from one device to another, read and written here
// for both panels. docs/department-file.md documents its fields.
namespace vardel::department_file {

inline constexpr std::string_view kFormat = "vardel-department-values";
// 2: the appliance losses, the pump's rating, the lays, the practice
// tolerance and the day of the issue, "issued", each of which a file may
// leave out.
inline constexpr int kVersion = 2;
inline constexpr std::size_t kLargest = 256 * 1024;  // bytes; a real file is a few kilobytes

struct Read {
  std::optional<DepartmentValues> values;
  std::string problem;  // names what is wrong when values is empty
};

// Reads a file. Anything but a whole, well-formed file of this version with
// exactly the documented fields and every figure within its bounds is
// refused, with a message that names the problem.
Read read(std::string_view text);

// Writes the values as the file's text: UTF-8, indented and ending in a
// newline, or on one line for a link.
enum class Layout : std::uint8_t { Indented, Compact };
std::string write(const DepartmentValues& values, Layout layout = Layout::Indented);

// What taking `incoming` in place of `current` would change, one line each,
// in words; empty when nothing would.
std::vector<std::string> changes(const DepartmentValues& current, const DepartmentValues& incoming);

}  // namespace vardel::department_file
