// Writes the fuzzer's seed corpus from its key scripts (robustness/
// seed_scripts.h) into the folder given, by default the committed corpus.
// The corpus replay test fails when the committed seeds and their scripts
// disagree; this program brings them together again.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "robustness/seed_scripts.h"

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : VARDEL_FUZZ_CORPUS;
  std::filesystem::create_directories(folder);
  for (const vardel::robustness::Seed& seed : vardel::robustness::kSeeds) {
    const auto bytes = vardel::robustness::seedBytes(seed.script);
    if (!bytes) {
      std::fprintf(stderr, "seed %s names a key the fuzzer does not have\n",
                   std::string(seed.name).c_str());
      return 1;
    }
    std::ofstream out(folder / ("seed-" + std::string(seed.name)), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes->data()),
              static_cast<std::streamsize>(bytes->size()));
  }
  return 0;
}
