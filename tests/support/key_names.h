#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/hose_table.h"
#include "core/key.h"

// Key scripts: the keys a user presses, as words separated by blanks:
//   "FL 150 ENTER H1.75 ENTER ENTER 200 ENTER"
// A number is its digit and point keys. Function keys: FRST FRFOG (flow
// rate), RFST RFFOG (reaction force), AR, FL, EP. Hose keys: H and the size
// text without blanks (H0.75, H1.5, H3X2.5). Others: ENTER, + - * / =, +/-,
// SQRT, X2, %, AC (all clear), CD (clear display), C and D (typed), EM
// (English/metric). Shared by the tests and the benchmarks.
namespace vardel::testing {

inline std::optional<Key> namedKey(std::string_view word) {
  struct Named {
    std::string_view word;
    Key key;
  };
  // clang-format off
  static const Named kNamed[] = {
      {"ENTER", {KeyKind::Enter}},
      {"+/-", {KeyKind::PosNeg}},           {"SQRT", {KeyKind::SqRoot}},
      {"X2", {KeyKind::Squared}},           {"%", {KeyKind::Percent}},
      {"AC", {KeyKind::AllClear}},          {"CD", {KeyKind::ClearDisplay}},
      {"C", {KeyKind::TypedClear}},         {"D", {KeyKind::TypedClearDisplay}},
      {"EM", {KeyKind::EnglishMetric}},     {"FRST", {KeyKind::StraightTipFR}},
      {"FRFOG", {KeyKind::FogNozzleFR}},    {"RFST", {KeyKind::StraightTipRF}},
      {"RFFOG", {KeyKind::FogNozzleRF}},    {"AR", {KeyKind::ApplicRate}},
      {"FL", {KeyKind::FrictionLoss}},      {"EP", {KeyKind::EnginePressure}},
  };
  // clang-format on
  for (const Named& named : kNamed) {
    if (named.word == word) return named.key;
  }
  for (const Operator op : kOperators) {
    if (captionOf(op) == word) return keyOf(op);
  }
  if (word.size() > 1 && word[0] == 'H') {
    for (std::size_t i = 0; i < kHoses.size(); ++i) {
      std::string size(kHoses[i].sizeText);
      std::erase(size, ' ');
      if (word.substr(1) == size) return Key{KeyKind::Hose, static_cast<std::int16_t>(i)};
    }
  }
  return std::nullopt;
}

// The keys of one word: a named key, or a number's digit and point keys.
inline std::optional<std::vector<Key>> keysOfWord(std::string_view word) {
  if (const std::optional<Key> key = namedKey(word)) return std::vector<Key>{*key};
  std::vector<Key> keys;
  for (const char c : word) {
    const auto digit =
        std::find(kDigitCaptions.begin(), kDigitCaptions.end(), std::string_view(&c, 1));
    if (digit == kDigitCaptions.end()) return std::nullopt;
    keys.push_back(digitKey(static_cast<std::int16_t>(digit - kDigitCaptions.begin())));
  }
  return keys;
}

// The keys of a whole script, or nothing when a word names no key; then
// `unknown` holds that word.
inline std::optional<std::vector<Key>> parseKeys(std::string_view script,
                                                 std::string* unknown = nullptr) {
  std::vector<Key> keys;
  while (!script.empty()) {
    const std::size_t start = script.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    script.remove_prefix(start);
    const std::size_t end = std::min(script.find(' '), script.size());
    const std::string_view word = script.substr(0, end);
    const std::optional<std::vector<Key>> wordKeys = keysOfWord(word);
    if (!wordKeys) {
      if (unknown) *unknown = word;
      return std::nullopt;
    }
    keys.insert(keys.end(), wordKeys->begin(), wordKeys->end());
    script.remove_prefix(end);
  }
  return keys;
}

}  // namespace vardel::testing
