// Arbitrary bytes as a department file: the reader must refuse or accept
// without a fault, and what it accepts must be written and read back as the
// same values; the reader of the kept file as written reads nothing that
// the reader refuses, and what it reads, it reads alike.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "department/department_file.h"
#include "department/kept_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vardel;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const department_file::Read read = department_file::read(text);
  const std::optional<DepartmentValues> kept = kept_file::read(text);
  if (kept && !(read.values && *read.values == *kept)) {
    std::fprintf(stderr, "the kept file's reader reads otherwise: %s\n", read.problem.c_str());
    std::abort();
  }
  if (!read.values) return 0;
  const department_file::Read again = department_file::read(department_file::write(*read.values));
  if (!again.values || !(*again.values == *read.values)) {
    std::fprintf(stderr, "a file read and written again reads differently: %s\n",
                 again.problem.c_str());
    std::abort();
  }
  return 0;
}
