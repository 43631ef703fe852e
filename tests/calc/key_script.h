#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/hose_table.h"
#include "calc/press.h"
#include "core/calculator.h"
#include "core/key.h"
#include "core/power_keys.h"
#include "support/fake_panel.h"

// Calculations written as the keys a user presses, separated by blanks:
//   "FL 150 ENTER H1.75 ENTER ENTER 200 ENTER"
// A number is its digit and point keys. Function keys: FRST FRFOG (flow
// rate), RFST RFFOG (reaction force), AR, FL, EP. Hose keys: H and the size
// text without blanks (H0.75, H1.5, H3X2.5). Others: ENTER, + - * / =, +/-,
// SQRT, X2, %, AC (all clear), CD (clear display), C and D (typed), EM
// (English/metric).
namespace vardel {

// Shows the fields a failing comparison of states is most likely about.
inline void PrintTo(const CalculatorState& s, std::ostream* os) {
  *os << "{display \"" << s.text1 << "\", units " << s.strEorM << ", step " << s.intStep
      << ", calculation " << s.bolCalculation << ", hose " << s.dblHoseCoefficient << " \""
      << s.strHoseSize << "\", prompt " << s.bolPromptShown << ", review " << s.bolReview
      << ", units changed " << s.bolMeasurementChange << ", keypad " << s.intEntryStarted
      << s.intOperatorKeyed << s.intDecimalPoint << s.intOperator << " " << s.dblAccumulator
      << (s.working == WorkingValues{} ? ", working values 0}" : ", working values set}");
}

}  // namespace vardel

namespace vardel::testing {

inline std::optional<Key> namedKey(std::string_view token) {
  struct Named {
    std::string_view token;
    Key key;
  };
  // clang-format off
  static const Named kNamed[] = {
      {"ENTER", {KeyKind::Enter}},          {"+", {KeyKind::Operator, 0}},
      {"-", {KeyKind::Operator, 1}},        {"/", {KeyKind::Operator, 2}},
      {"*", {KeyKind::Operator, 3}},        {"=", {KeyKind::Operator, 4}},
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
    if (named.token == token) return named.key;
  }
  if (token.size() > 1 && token[0] == 'H') {
    for (std::size_t i = 0; i < kHoses.size(); ++i) {
      std::string size(kHoses[i].sizeText);
      std::erase(size, ' ');
      if (token.substr(1) == size) return Key{KeyKind::Hose, static_cast<std::int16_t>(i)};
    }
  }
  return std::nullopt;
}

// The keys of one token: a number gives its digit and point keys.
inline std::vector<Key> keysOf(std::string_view token) {
  if (const std::optional<Key> key = namedKey(token)) return {*key};
  std::vector<Key> keys;
  for (const char c : token) {
    if (c == '.') {
      keys.push_back({KeyKind::Digit, kPointIndex});
    } else if (c >= '0' && c <= '9') {
      keys.push_back({KeyKind::Digit, static_cast<std::int16_t>(c - '0')});
    } else {
      ADD_FAILURE() << "unknown key in script: " << token;
      return {};
    }
  }
  return keys;
}

inline void pressKeys(Calculator& calculator, std::string_view script) {
  while (!script.empty()) {
    const std::size_t start = script.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    script.remove_prefix(start);
    const std::size_t end = std::min(script.find(' '), script.size());
    for (const Key key : keysOf(script.substr(0, end))) press(calculator, key);
    script.remove_prefix(end);
  }
}

// A calculator fresh from start-up on a fake panel.
struct Session {
  Session() { Form_Load(calculator); }

  // Presses the keys and returns the display after the last one.
  const std::string& run(std::string_view script) {
    pressKeys(calculator, script);
    EXPECT_EQ(panel.display, calculator.display()) << "panel and state disagree";
    return calculator.display();
  }
  CalculatorState& state() { return calculator.state; }

  FakePanel panel;
  Calculator calculator{panel};
};

}  // namespace vardel::testing
