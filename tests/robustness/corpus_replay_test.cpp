// Replays the fuzzer's corpus, so that every key sequence it ever kept goes
// on guarding the invariants in every build, with or without the fuzzer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "robustness/invariants.h"
#include "robustness/seed_scripts.h"

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
  ASSERT_GE(files.size(), std::size(kSeeds));

  Tally tally;
  for (const auto& file : files) {
    const std::vector<std::uint8_t> bytes = readFile(file);
    EXPECT_EQ(runBytes(bytes.data(), bytes.size(), &tally), "") << file.filename();
  }
  for (std::size_t i = 0; i < tally.results.size(); ++i) {
    EXPECT_GE(tally.results[i], 1) << "calculation " << i << " in Enter's order";
  }
}

// A seed that no longer presses what its script says (the action list
// changed) would quietly stop reaching its calculation.
TEST(CorpusReplay, SeedsAreTheirKeyScripts) {
  for (const Seed& seed : kSeeds) {
    const std::optional<std::vector<std::uint8_t>> bytes = seedBytes(seed.script);
    ASSERT_TRUE(bytes) << seed.name << ": a word names no action";
    const std::string file = "seed-" + std::string(seed.name);
    EXPECT_EQ(readFile(std::filesystem::path(VARDEL_FUZZ_CORPUS) / file), *bytes)
        << file << " differs from its script: run make seeds";
  }
}

}  // namespace
}  // namespace vardel::robustness
