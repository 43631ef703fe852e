#pragma once

#include <string>

#include "calc/department_values.h"
#include "department/file_fields.h"

// The saved lays as the department file holds them (version 2 on): one
// table of fields for each object of a lay, which both the reader and the
// writer follow. docs/department-file.md documents them.
namespace vardel::department_file {

void readLays(Reader& r, const Json& list, DepartmentValues& values, const std::string& what);
Json writeLays(const DepartmentValues& values);

}  // namespace vardel::department_file
