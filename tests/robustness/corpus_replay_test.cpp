// Replays the fuzzer's corpus, so that every key sequence it ever kept goes
// on guarding the invariants in every build, with or without the fuzzer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "robustness/invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace vardel::robustness {
namespace {

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CorpusReplay, EveryKeptSequenceKeepsTheInvariants) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(VARDEL_FUZZ_CORPUS)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  ASSERT_GE(files.size(), 7U) << "the corpus holds a completed run of every calculation";

  Tally tally;
  for (const auto& file : files) {
    const std::vector<std::uint8_t> bytes = readFile(file);
    EXPECT_EQ(runBytes(bytes.data(), bytes.size(), &tally), "") << file.filename();
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());  // aborts on a broken invariant
  }
  for (std::size_t i = 0; i < tally.results.size(); ++i) {
    EXPECT_GE(tally.results[i], 1) << "calculation " << i << " in Enter's order";
  }
}

}  // namespace
}  // namespace vardel::robustness
