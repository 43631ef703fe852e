#pragma once

// The fuzzer's seed corpus, written as key scripts (support/key_names.h) and
// turned into the fuzzer's bytes by looking each key up in its action list,
// so that the seeds say what they press and follow the list if it changes.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/keyboard.h"
#include "robustness/invariants.h"
#include "support/key_names.h"

namespace vardel::robustness {

struct Seed {
  std::string_view name;  // the corpus file is "seed-" and the name
  std::string_view script;
};

// One completed run of every calculation, both unit systems, a few keypad
// chains, an overflow and two review walks. Beyond the key-script words,
// TYPED and a word types the characters of its keys, and RUN and a count
// keys a digit run.
inline constexpr Seed kSeeds[] = {
    {"frst", "FRST 50 ENTER 1.125 ENTER"},
    {"frfog", "FRFOG 50 ENTER 150 ENTER 100 ENTER"},
    {"rfst", "RFST 50 ENTER 1.125 ENTER"},
    {"rffog", "RFFOG 100 ENTER 150 ENTER"},
    {"ar", "AR 30 ENTER 50 ENTER"},
    {"fl", "FL 150 ENTER H1.75 ENTER ENTER 200 ENTER"},
    {"ep", "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER"},
    {"frst-metric", "EM FRST 345 ENTER 28 ENTER"},
    {"fl-metric", "EM FL 600 ENTER H1.75 ENTER 2 ENTER 60 TYPEDENTER"},
    {"ep-metric", "EM EP 700 ENTER 600 ENTER H3X2.5 ENTER ENTER 60 ENTER 2 +/- ENTER"},
    {"keypad", "2 + 3 * 4 = 5 / 0 = C 16 SQRT X2 % 200 + 10 % = D"},
    {"overflow", "RUN330 X2 * RUN330 = FL RUN330 ENTER"},
    {"fl-review",
     "FL 150 ENTER H1.75 ENTER ENTER 200 ENTER REVIEW ENTER ENTER ENTER H2.5 ENTER ENTER 2 ENTER "
     "ENTER 300 ENTER"},
    {"ep-review",
     "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER REVIEW ENTER ENTER ENTER ENTER "
     "ENTER ENTER ENTER ENTER ENTER ENTER ENTER 5 ENTER"},
};

// The fuzzer's bytes for a script, or nothing when a word names no action.
// Each byte is the index of its action in the fuzzer's list.
inline std::optional<std::vector<std::uint8_t>> seedBytes(std::string_view script) {
  std::vector<std::uint8_t> bytes;
  const auto add = [&bytes](auto matches) {
    const std::vector<Action>& actions = allActions();
    const auto found = std::find_if(actions.begin(), actions.end(), matches);
    if (found != actions.end()) bytes.push_back(static_cast<std::uint8_t>(found - actions.begin()));
    return found != actions.end();
  };
  std::istringstream words{std::string(script)};
  for (std::string word; words >> word;) {
    if (word.starts_with("RUN")) {
      const int count = std::stoi(word.substr(3));
      if (!add([count](const Action& a) {
            return a.kind == Action::Kind::DigitRun && a.code == count;
          })) {
        return std::nullopt;
      }
      continue;
    }
    const bool typed = word.starts_with("TYPED");
    const std::optional<std::vector<Key>> keys = testing::keysOfWord(typed ? word.substr(5) : word);
    if (!keys) return std::nullopt;
    for (const Key key : *keys) {
      if (!add([key, typed](const Action& a) {
            return typed ? a.kind == Action::Kind::Type && keyForCharacter(a.code) == key
                         : a.kind == Action::Kind::Press && a.key == key;
          })) {
        return std::nullopt;
      }
    }
  }
  return bytes;
}

}  // namespace vardel::robustness
