// Arbitrary bytes as key sequences: each byte presses one key, types one
// character or keys a run of digits, and every invariant is checked after
// each. A broken invariant stops the run with its description.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "robustness/invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem = vardel::robustness::runBytes(data, size);
  if (!problem.empty()) {
    std::fprintf(stderr, "broken invariant: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
