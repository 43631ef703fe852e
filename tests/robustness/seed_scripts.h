#pragma once

// The fuzzer's seed corpus, written as key scripts (support/key_names.h) and
// turned into the fuzzer's bytes by looking each key up in its action list,
// so that the seeds say what they press and follow the list if it changes.
#include <cstdint>
#include <optional>
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
// chains and an overflow. Beyond the key-script words, TYPED and a word
// types the characters of its keys, and RUN and a count keys a digit run.
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
};

namespace detail {

inline bool sameAction(const Action& a, const Action& b) {
  return a.kind == b.kind && a.key == b.key && a.code == b.code;
}

// The byte that chooses the first action of the list that `matches` accepts.
template <typename Matches>
std::optional<std::uint8_t> byteOf(Matches matches) {
  const std::vector<Action>& actions = allActions();
  for (std::size_t i = 0; i < actions.size() && i < 256; ++i) {
    if (matches(actions[i])) return static_cast<std::uint8_t>(i);
  }
  return std::nullopt;
}

}  // namespace detail

// The fuzzer's bytes for a script, or nothing when a word names no action.
inline std::optional<std::vector<std::uint8_t>> seedBytes(std::string_view script) {
  std::vector<std::uint8_t> bytes;
  std::string words(script);
  for (std::size_t start = 0; start < words.size();) {
    const std::size_t end = std::min(words.find(' ', start), words.size());
    const std::string_view word = std::string_view(words).substr(start, end - start);
    start = end + 1;
    if (word.empty()) continue;

    std::vector<std::optional<std::uint8_t>> found;
    if (word.starts_with("RUN")) {
      const int count = std::stoi(std::string(word.substr(3)));
      found.push_back(detail::byteOf([count](const Action& a) {
        return a.kind == Action::Kind::DigitRun && a.code == count;
      }));
    } else if (word.starts_with("TYPED")) {
      const std::optional<std::vector<Key>> keys = testing::keysOfWord(word.substr(5));
      if (!keys) return std::nullopt;
      for (const Key key : *keys) {
        found.push_back(detail::byteOf([key](const Action& a) {
          return a.kind == Action::Kind::Type && keyForCharacter(a.code) == key;
        }));
      }
    } else {
      const std::optional<std::vector<Key>> keys = testing::keysOfWord(word);
      if (!keys) return std::nullopt;
      for (const Key key : *keys) {
        const Action press{Action::Kind::Press, key, 0};
        found.push_back(
            detail::byteOf([&press](const Action& a) { return detail::sameAction(a, press); }));
      }
    }
    for (const std::optional<std::uint8_t> byte : found) {
      if (!byte) return std::nullopt;
      bytes.push_back(*byte);
    }
  }
  return bytes;
}

}  // namespace vardel::robustness
