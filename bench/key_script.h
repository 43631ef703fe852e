#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "calc/hose_table.h"
#include "core/key.h"

// Key scripts for the benchmarks, written as in the calculation tests:
// "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER". A number is its
// digit and point keys; H and a hose size is that hose key. A script the
// benchmarks cannot read is a fault in the benchmark: it stops at once.
namespace vardel::bench {

inline std::int16_t hoseIndex(std::string_view sizeText) {
  for (std::size_t i = 0; i < kHoses.size(); ++i) {
    if (kHoses[i].sizeText == sizeText) return static_cast<std::int16_t>(i);
  }
  std::fprintf(stderr, "no hose of size %.*s\n", static_cast<int>(sizeText.size()),
               sizeText.data());
  std::abort();
}

inline std::vector<Key> keysOf(std::string_view script) {
  struct Named {
    std::string_view token;
    Key key;
  };
  static constexpr Named kNamed[] = {
      {"ENTER", {KeyKind::Enter}},        {"+", {KeyKind::Operator, 0}},
      {"-", {KeyKind::Operator, 1}},      {"/", {KeyKind::Operator, 2}},
      {"*", {KeyKind::Operator, 3}},      {"=", {KeyKind::Operator, kEqualsIndex}},
      {"AC", {KeyKind::AllClear}},        {"FRST", {KeyKind::StraightTipFR}},
      {"FRFOG", {KeyKind::FogNozzleFR}},  {"RFST", {KeyKind::StraightTipRF}},
      {"RFFOG", {KeyKind::FogNozzleRF}},  {"AR", {KeyKind::ApplicRate}},
      {"FL", {KeyKind::FrictionLoss}},    {"EP", {KeyKind::EnginePressure}},
  };
  std::vector<Key> keys;
  while (!script.empty()) {
    const std::size_t start = script.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    script.remove_prefix(start);
    const std::size_t end = std::min(script.find(' '), script.size());
    const std::string_view token = script.substr(0, end);
    script.remove_prefix(end);

    bool named = false;
    for (const Named& n : kNamed) {
      if (n.token == token) {
        keys.push_back(n.key);
        named = true;
      }
    }
    if (named) continue;
    if (token[0] == 'H') {
      keys.push_back({KeyKind::Hose, hoseIndex(token.substr(1))});
      continue;
    }
    for (const char c : token) {
      if (c == '.') {
        keys.push_back({KeyKind::Digit, kPointIndex});
      } else if (c >= '0' && c <= '9') {
        keys.push_back({KeyKind::Digit, static_cast<std::int16_t>(c - '0')});
      } else {
        std::fprintf(stderr, "unknown key: %.*s\n", static_cast<int>(token.size()), token.data());
        std::abort();
      }
    }
  }
  return keys;
}

}  // namespace vardel::bench
