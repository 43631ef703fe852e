// Arbitrary bytes as a department file: the reader must refuse or accept
// without a fault, and what it accepts must be written and read back as the
// same values.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "department/department_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vardel;
  const department_file::Read read =
      department_file::read(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read.values) return 0;
  const department_file::Read again = department_file::read(department_file::write(*read.values));
  if (!again.values || !(*again.values == *read.values)) {
    std::fprintf(stderr, "a file read and written again reads differently: %s\n",
                 again.problem.c_str());
    std::abort();
  }
  return 0;
}
