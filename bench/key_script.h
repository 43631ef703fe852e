#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "support/key_names.h"

// Key scripts for the benchmarks, written as in the calculation tests. A
// script the benchmarks cannot read is a fault in the benchmark: it stops.
namespace vardel::bench {

inline std::vector<Key> keysOf(std::string_view script) {
  std::string unknown;
  if (auto keys = testing::parseKeys(script, &unknown)) return *keys;
  std::fprintf(stderr, "unknown key: %s\n", unknown.c_str());
  std::abort();
}

}  // namespace vardel::bench
