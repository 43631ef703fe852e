#pragma once

#include <optional>
#include <string_view>

#include "calc/department_values.h"

// The department file as this program writes it, read without the JSON
// library: what the calculator needs at start, before the department's own
// code (the file's full reader among it) has arrived in the browser.
namespace vardel::kept_file {

// The values of a file exactly as department_file::write lays it out (its
// fields in their order, numbers without sign or exponent, texts whose only
// escapes are \" and \\), when they pass every check; nothing otherwise.
// Whatever it reads, department_file::read reads alike; what it cannot read
// is left to that reader, which refuses it or reads it.
std::optional<DepartmentValues> read(std::string_view text);

}  // namespace vardel::kept_file
