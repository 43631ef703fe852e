#pragma once

// The honesty model: what a pump operator can rely on, judged only from the
// keys pressed and the display seen, with its own table of the calculations,
// its own hose table and its own reckoning. It records what the user saw
// accepted at each Enter (the number shown, the unit system in force, the
// hose whose text was shown) and checks that
//   - every result equals its formula recomputed from those values, in the
//     unit system that its unit word names, and every refusal is one;
//   - no other key puts a text that begins with a unit word on the display;
//   - a review shows each value as the result took it, and one walked
//     without a change gives the same result text.
// Nothing here reads the program's state, tables or formulas.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/key.h"
#include "robustness/reckoning.h"
#include "support/design_hoses.h"

namespace vardel::robustness {

class HonestyModel {
 public:
  struct Counts {
    long actions = 0;
    long results = 0;           // results recomputed and found equal
    long reviews = 0;           // reviews walked to their result
    long unchangedReviews = 0;  // of those, walked without a change
    long refusals = 0;          // Enter presses refused as foreseen
  };

  // Checks one key (or nothing, for a character that types no key) against
  // the display before and after it. Returns what disagreed, or nothing.
  std::string observe(std::optional<Key> key, const std::string& before, const std::string& after);

  // The key that a typed character stands for, by the keyboard's table.
  static std::optional<Key> typedKey(std::int16_t code);

  const Counts& counts() const { return counts_; }

 private:
  enum class In : std::uint8_t { Value, Hose, Lines, Floors };
  using Values = std::vector<double>;  // as read; the hose input holds its row
  struct Calculation {
    KeyKind key;
    std::vector<In> inputs;
    std::string_view firstEnglish, firstMetric;
    std::string_view wordEnglish, wordMetric;
    std::optional<double> (*formula)(const Values&, bool metric);
  };
  static const std::vector<Calculation>& calculations();

  std::string enter(const std::string& before, const std::string& after);
  std::string take(const std::string& before, const std::string& after);
  std::string review(const std::string& before, const std::string& after);
  void disarm();

  Counts counts_;
  bool metric_ = false;
  int armed_ = -1;    // index in calculations(), or none
  int hose_ = -1;     // row of the last hose key pressed since arming
  long presses_ = 0;  // Enter presses since the step counter was last reset
  std::size_t taken_ = 0;
  Values values_;
  std::vector<std::string> shown_;  // each input as the result took it
  bool resultShown_ = false;        // the calculation is past its result
  std::string result_;              // the result text last checked
  bool metricAtResult_ = false;
  bool reviewing_ = false;
  std::size_t reviewPresses_ = 0;
  bool unchanged_ = false;  // nothing but Enter pressed since the review started
  std::string reviewOf_;
};

inline std::optional<Key> HonestyModel::typedKey(std::int16_t code) {
  if (code == 13) return Key{KeyKind::Enter};
  if (code == '.') return Key{KeyKind::Digit, 10};
  if (code >= '0' && code <= '9') return Key{KeyKind::Digit, static_cast<std::int16_t>(code - '0')};
  const std::string_view operators = "+-/*=";
  if (const auto at = operators.find(static_cast<char>(code)); code > 0 && at != operators.npos) {
    return Key{KeyKind::Operator, static_cast<std::int16_t>(at)};
  }
  if (code == 'C' || code == 'c') return Key{KeyKind::TypedClear};
  if (code == 'D' || code == 'd') return Key{KeyKind::TypedClearDisplay};
  return std::nullopt;
}

namespace honesty {

using namespace reckoning;
using Values = std::vector<double>;

inline double coefficient(double row, bool metric) {
  const testing::DesignHose& hose = testing::kDesignHoses[static_cast<std::size_t>(row)];
  return metric ? hose.metricCoefficient : hose.englishCoefficient;
}

// The formulas, from the inputs as read, in the order the design gives.
inline std::optional<double> tipFlow(const Values& v, bool m) {
  return finite(v[1] * v[1] * kTipFlow.in(m)*std::sqrt(v[0]));
}
inline std::optional<double> fogFlow(const Values& v, bool) {
  if (std::sqrt(v[2]) == 0) return std::nullopt;
  return finite(v[1] / std::sqrt(v[2]) * std::sqrt(v[0]));
}
inline std::optional<double> tipReaction(const Values& v, bool m) {
  return finite(v[1] * v[1] * kTipReaction.in(m)*v[0]);
}
inline std::optional<double> fogReaction(const Values& v, bool m) {
  return finite(v[1] * kFogReaction.in(m)*std::sqrt(v[0]));
}
inline std::optional<double> applicationRate(const Values& v, bool m) {
  return finite(v[1] * v[0] / kAreaPerFlow.in(m));
}
inline std::optional<double> lossOfLay(const Values& v, bool m) {
  return frictionLoss(v[0], coefficient(v[1], m), v[2], v[3]);
}
inline std::optional<double> enginePressure(const Values& v, bool m) {
  const std::optional<double> elevation = finite(v[5] * kElevationPerFloor.in(m));
  const std::optional<double> loss = frictionLoss(v[1], coefficient(v[2], m), v[3], v[4]);
  if (!elevation || !loss) return std::nullopt;
  return finite(*loss + v[0] + *elevation);
}

}  // namespace honesty

inline const std::vector<HonestyModel::Calculation>& HonestyModel::calculations() {
  using enum In;
  using namespace honesty;
  // clang-format off
  static const std::vector<Calculation> kCalculations = {
      {KeyKind::StraightTipFR, {Value, Value}, "Nozzle PSI", "Nozzle kPa", "GPM ", "LPM ", tipFlow},
      {KeyKind::FogNozzleFR, {Value, Value, Value}, "Nozzle PSI", "Nozzle kPa", "GPM ", "LPM ", fogFlow},
      {KeyKind::StraightTipRF, {Value, Value}, "Nozzle PSI", "Nozzle kPa", "Lbs ", "Newtons ", tipReaction},
      {KeyKind::FogNozzleRF, {Value, Value}, "Nozzle PSI", "Nozzle kPa", "Lbs ", "Newtons ", fogReaction},
      {KeyKind::ApplicRate, {Value, Value}, "Length ft", "Length m", "GPM ", "LPM ", applicationRate},
      {KeyKind::FrictionLoss, {Value, Hose, Lines, Value}, "FLOW GPM", "FLOW LPM", "PSI ", "kPa ", lossOfLay},
      {KeyKind::EnginePressure, {Value, Value, Hose, Lines, Value, Floors}, "Nozzle PSI", "Nozzle kPa",
       "PSI ", "kPa ", enginePressure},
  };
  // clang-format on
  return kCalculations;
}

inline void HonestyModel::disarm() {
  armed_ = hose_ = -1;
  presses_ = 0;
  resultShown_ = reviewing_ = false;
  result_.clear();
}

inline std::string HonestyModel::observe(std::optional<Key> key, const std::string& before,
                                         const std::string& after) {
  ++counts_.actions;
  if (reviewing_ && key && key->kind != KeyKind::Enter) unchanged_ = false;
  std::string problem;
  const std::size_t resultsBefore = static_cast<std::size_t>(counts_.results);
  if (key) {
    switch (key->kind) {
      case KeyKind::Enter:
        problem = enter(before, after);
        break;
      case KeyKind::EnglishMetric:
        metric_ = !metric_;
        break;
      case KeyKind::AllClear:
        disarm();
        break;
      case KeyKind::Hose:
        if (armed_ >= 0 && key->index >= 0 && key->index < 14) hose_ = key->index;
        break;
      case KeyKind::Review: {
        const bool starts = armed_ >= 0 && resultShown_ && !reviewing_ && before == result_;
        if (!starts) {
          if (after != before) problem = "F2 acted without its result on the display";
          break;
        }
        const Calculation& c = calculations()[static_cast<std::size_t>(armed_)];
        if (after != (metric_ ? c.firstMetric : c.firstEnglish)) {
          problem = "a review did not start at the first prompt";
        }
        reviewing_ = true;
        reviewPresses_ = 0;
        presses_ = 0;
        unchanged_ = metric_ == metricAtResult_;
        reviewOf_ = result_;
        break;
      }
      default:
        for (std::size_t i = 0; i < calculations().size(); ++i) {
          if (calculations()[i].key != key->kind) continue;
          disarm();
          armed_ = static_cast<int>(i);
          taken_ = 0;
          values_.assign(calculations()[i].inputs.size(), 0);
          shown_.assign(calculations()[i].inputs.size(), {});
        }
        break;
    }
  }
  if (!problem.empty()) return problem;
  // A text that begins with a unit word is a result, checked as it appeared;
  // no key may make one of anything else.
  const bool checkedNow = static_cast<std::size_t>(counts_.results) != resultsBefore;
  if (!checkedNow && after != before) {
    for (const std::string_view word : {"GPM ", "LPM ", "Lbs ", "Newtons ", "PSI ", "kPa "}) {
      if (after.starts_with(word)) return "\"" + after + "\" is no result that was computed";
    }
  }
  return {};
}

inline std::string HonestyModel::enter(const std::string& before, const std::string& after) {
  if (presses_ == 32767) {  // the step counter would run over
    disarm();
    if (after != "ERROR") return "the step counter ran over without ERROR";
    ++counts_.refusals;
    return {};
  }
  ++presses_;
  if (armed_ < 0 || (resultShown_ && !reviewing_)) {
    return after == before ? std::string() : "Enter changed a display it had nothing to take from";
  }
  return reviewing_ ? review(before, after) : take(before, after);
}

// Takes the input asked for from what the display shows; on the last input,
// the result.
inline std::string HonestyModel::take(const std::string& before, const std::string& after) {
  const Calculation& c = calculations()[static_cast<std::size_t>(armed_)];
  const In kind = c.inputs[taken_];
  std::optional<double> value;
  std::string shown;
  if (kind == In::Hose) {
    const bool prompt = !reviewing_ && before == "HOSE SIZE";
    if (hose_ >= 0) {
      const testing::DesignHose& h = testing::kDesignHoses[static_cast<std::size_t>(hose_)];
      if (prompt || before == h.sizeText || before == h.englishDisplay ||
          before == h.metricDisplay) {
        value = hose_;
        shown = h.sizeText;
      }
    }
  } else if (!reviewing_ && ((kind == In::Lines && before == "SIAMESE") ||
                             (kind == In::Floors && before == "FLOORS"))) {
    value = 0;
    shown = kind == In::Lines ? "1" : "0";
  } else if (!(kind == In::Value && before == " 0")) {
    value = reckoning::readNumber(before);
    const std::size_t first = before.find_first_not_of(" \t");
    if (value) shown = before.substr(first, before.find_last_not_of(" \t") - first + 1);
  }
  std::optional<std::string> expected;  // the display the press must leave, if known
  if (value) {
    values_[taken_] = *value;
    shown_[taken_] = shown;
    if (++taken_ == c.inputs.size()) {
      const std::optional<double> result = c.formula(values_, metric_);
      expected = reckoning::expected(std::string(metric_ ? c.wordMetric : c.wordEnglish), result);
    }
  } else {
    expected = "ERROR";
  }
  if (expected && *expected == "ERROR") {
    disarm();
    if (after != "ERROR") return "\"" + before + "\" was taken, where ERROR was due";
    ++counts_.refusals;
    return {};
  }
  if (after == "ERROR") return "\"" + before + "\" was refused";
  if (!expected) return {};
  if (after != *expected) return "result \"" + after + "\", where " + *expected + " was due";
  ++counts_.results;
  resultShown_ = true;
  result_ = after;
  metricAtResult_ = metric_;
  if (reviewing_) {
    reviewing_ = false;
    ++counts_.reviews;
    if (unchanged_) {
      ++counts_.unchangedReviews;
      if (after != reviewOf_) return "an unchanged review gave " + after + " for " + reviewOf_;
    }
  }
  return {};
}

// Two presses per input: the first shows the input as the result took it,
// the second takes the display as that input.
inline std::string HonestyModel::review(const std::string& before, const std::string& after) {
  const Calculation& c = calculations()[static_cast<std::size_t>(armed_)];
  ++reviewPresses_;
  const std::size_t input = (reviewPresses_ - 1) / 2;
  if (reviewPresses_ % 2 == 0) {
    taken_ = input;
    return take(before, after);
  }
  if (c.inputs[input] == In::Hose) hose_ = static_cast<int>(values_[input]);
  if (after != shown_[input]) {
    return "a review showed \"" + after + "\" for the input taken as \"" + shown_[input] + "\"";
  }
  return {};
}

}  // namespace vardel::robustness
