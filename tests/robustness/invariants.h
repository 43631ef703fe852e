#pragma once

// What must hold after every key, whatever came before: shared by the random
// key walk, the corpus replay test and the key-sequence fuzzer. Nothing here
// uses a test framework, so the fuzzer can link it without one; a broken
// invariant comes back as a text that says what broke.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/enter_sequence.h"
#include "calc/hose_table.h"
#include "calc/press.h"
#include "calc/sequences.h"
#include "calc/unit_text.h"
#include "calc/working.h"
#include "core/calculator.h"
#include "core/key.h"
#include "core/keyboard.h"
#include "core/number_text.h"
#include "core/power_keys.h"
#include "robustness/honesty_model.h"
#include "support/fake_panel.h"

namespace vardel::robustness {

// One thing a user can do: press a key of the panel, type a character, or
// key a run of digits in one go (to reach huge numbers and the overflow
// paths without thousands of single presses).
struct Action {
  enum class Kind : std::uint8_t { Press, Type, DigitRun };
  Kind kind = Kind::Press;
  Key key{KeyKind::Enter};
  std::int16_t code = 0;  // Type: the character code; DigitRun: how many digits
};

inline std::string describe(const Action& a) {
  std::ostringstream os;
  switch (a.kind) {
    case Action::Kind::Press:
      os << "press kind " << static_cast<int>(a.key.kind) << " index " << a.key.index;
      break;
    case Action::Kind::Type:
      os << "type code " << a.code;
      break;
    case Action::Kind::DigitRun:
      os << "key " << a.code << " digits";
      break;
  }
  return os.str();
}

// Every action the walk and the fuzzer draw from: every key of the panel
// with every index of its array (and a few outside them), every character of
// the keyboard table, some that map to nothing, and digit runs.
inline const std::vector<Action>& allActions() {
  static const std::vector<Action> actions = [] {
    std::vector<Action> v;
    const auto pressKey = [&v](KeyKind kind, std::int16_t index = 0) {
      v.push_back({Action::Kind::Press, Key{kind, index}, 0});
    };
    for (std::int16_t i = 0; i <= kPointIndex; ++i) pressKey(KeyKind::Digit, i);
    for (std::int16_t i = 0; i <= indexOf(Operator::Equals); ++i) pressKey(KeyKind::Operator, i);
    for (std::int16_t i = 0; i < static_cast<std::int16_t>(kHoses.size()); ++i) {
      pressKey(KeyKind::Hose, i);
    }
    for (const KeyKind kind :
         {KeyKind::SqRoot, KeyKind::Squared, KeyKind::Percent, KeyKind::PosNeg, KeyKind::AllClear,
          KeyKind::ClearDisplay, KeyKind::Off, KeyKind::On, KeyKind::EnglishMetric, KeyKind::Enter,
          KeyKind::StraightTipFR, KeyKind::FogNozzleFR, KeyKind::StraightTipRF,
          KeyKind::FogNozzleRF, KeyKind::ApplicRate, KeyKind::FrictionLoss, KeyKind::EnginePressure,
          KeyKind::TypedClear, KeyKind::TypedClearDisplay}) {
      pressKey(kind);
    }
    // Indexes outside their arrays must do nothing.
    pressKey(KeyKind::Digit, 11);
    pressKey(KeyKind::Operator, -1);
    pressKey(KeyKind::Hose, 14);
    pressKey(KeyKind::Hose, -1);
    for (const char c : std::string_view("\r.0123456789+-/*=CcDd")) {
      v.push_back({Action::Kind::Type, Key{}, static_cast<std::int16_t>(c)});
    }
    // NUL, Backspace, LF, Escape, blank, a, E, x, e, 255, -1: no key.
    for (const int code : {0, 8, 10, 27, 32, 97, 69, 120, 101, 255, -1}) {
      v.push_back({Action::Kind::Type, Key{}, static_cast<std::int16_t>(code)});
    }
    for (const std::int16_t count : {8, 16, 40, 330}) {
      v.push_back({Action::Kind::DigitRun, Key{}, count});
    }
    // Last, so that the bytes of the older corpus keep their actions.
    pressKey(KeyKind::Review);
    return v;
  }();
  return actions;
}

inline void perform(Calculator& calculator, const Action& a) {
  switch (a.kind) {
    case Action::Kind::Press:
      press(calculator, a.key);
      break;
    case Action::Kind::Type: {
      std::int16_t code = a.code;
      Form_KeyPress(calculator, code);
      break;
    }
    case Action::Kind::DigitRun:
      // 9, 8, ..., 1, 0, 9, ...: never a lone zero, and large at once.
      for (std::int16_t i = 0; i < a.code; ++i) {
        press(calculator, Key{KeyKind::Digit, static_cast<std::int16_t>(9 - i % 10)});
      }
      break;
  }
}

// The key an action stands for, as the honesty model sees it: a typed
// character by the model's own table, a run of digits as a digit.
inline std::optional<Key> modelKey(const Action& a) {
  switch (a.kind) {
    case Action::Kind::Press:
      return a.key;
    case Action::Kind::Type:
      return HonestyModel::typedKey(a.code);
    case Action::Kind::DigitRun:
      return Key{KeyKind::Digit, 9};
  }
  return std::nullopt;
}

// What the walk learns about its own depth.
struct Tally {
  std::array<long, sequences::kInEnterOrder.size()> results{};  // in Enter's order
  long failures = 0;         // Enter presses that ended in "ERROR"
  long messages = 0;         // message boxes shown
  long evaluations = 0;      // operator keys that evaluated and were checked
  long exponentResults = 0;  // results too large to show in full
  long reviews = 0;          // review walks that ended in a result
};

namespace detail {

inline bool isFlag(std::int16_t v) { return v == kTrue || v == kFalse; }
inline bool isBit(std::int16_t v) { return v == 0 || v == 1; }

// Index in Enter's order of the armed calculation, or nothing.
inline std::optional<std::size_t> armed(const CalculatorState& s) {
  for (std::size_t i = 0; i < sequences::kInEnterOrder.size(); ++i) {
    if (s.*(sequences::kInEnterOrder[i]->flag) != 0) return i;
  }
  return std::nullopt;
}

inline int armedCount(const CalculatorState& s) {
  int n = 0;
  for (const Sequence* sequence : sequences::kInEnterOrder) n += s.*(sequence->flag) != 0;
  return n;
}

inline bool containsNoCase(std::string_view text, std::string_view word) {
  for (std::size_t i = 0; i + word.size() <= text.size(); ++i) {
    bool same = true;
    for (std::size_t k = 0; k < word.size() && same; ++k) {
      const char c = text[i + k];
      same = (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == word[k];
    }
    if (same) return true;
  }
  return false;
}

// The working values that belong to a calculation: its inputs and result.
inline bool onlyOwnValuesSet(const CalculatorState& s, std::optional<std::size_t> own) {
  for (std::size_t i = 0; i < sequences::kInEnterOrder.size(); ++i) {
    if (own && *own == i) continue;
    const Sequence& sequence = *sequences::kInEnterOrder[i];
    if (s.working.*sequence.result != 0) return false;
    for (const Step& step : sequence.steps) {
      if (s.working.*step.field != 0) return false;
    }
  }
  return true;
}

// A result as the display shows it: the unit word and a whole number,
// written in full or in exponent form, within half a unit of the result.
inline std::string checkResultText(const CalculatorState& s, const Sequence& sequence,
                                   Tally* tally) {
  const std::string_view word = sequence.unitWord.in(s);
  const std::string_view text = s.text1;
  if (text.substr(0, word.size()) != word) return "result without its unit word: " + s.text1;
  const std::string_view number = text.substr(word.size());
  if (number.empty() || number.front() == ' ' || number == "-0") {
    return "malformed result number: \"" + s.text1 + "\"";
  }
  const std::optional<double> shown = readStrict(number);
  if (!shown || !std::isfinite(*shown)) return "result is not a number: " + s.text1;
  const double result = s.working.*sequence.result;
  if (!std::isfinite(result)) return "stored result is not finite";
  if (number.find('E') != std::string_view::npos) {
    if (tally) ++tally->exponentResults;
    if (std::fabs(*shown - result) > std::fabs(result) * 1e-14) {
      return "result " + s.text1 + " far from the stored value";
    }
  } else if (*shown != std::trunc(*shown) || std::fabs(*shown - result) > 0.5) {
    return "result " + s.text1 + " is not the stored value rounded";
  }
  return {};
}

}  // namespace detail

// Checks the calculator after one action. before is the state before it and
// messagesBefore the number of message boxes shown until then. Returns an
// empty text when everything holds.
inline std::string checkAfter(const Calculator& calculator, const testing::FakePanel& panel,
                              const Action& action, const CalculatorState& before,
                              std::size_t messagesBefore, Tally* tally) {
  using namespace detail;
  const CalculatorState& s = calculator.state;
  const auto broken = [&](const std::string& what) {
    return what + " (after " + describe(action) + ", display \"" + s.text1 + "\")";
  };

  // Flags hold only their two values; at most one calculation is armed and
  // bolCalculation says whether one is.
  for (const std::int16_t flag :
       {s.bolCalculation, s.bolEnginePressure, s.bolFrictionLoss, s.bolFRStraightTip,
        s.bolFRFogNozzle, s.bolRFStraightTip, s.bolRFFogNozzle, s.bolAppRate, s.bolReview,
        s.bolMeasurementChange, s.bolPromptShown}) {
    if (!isFlag(flag)) return broken("a public flag holds " + std::to_string(flag));
  }
  if (!isBit(s.intDecimalPoint) || !isBit(s.intOperatorKeyed) || !isBit(s.intEntryStarted)) {
    return broken("a keypad flag is neither 0 nor 1");
  }
  if (s.intOperator < 0 || s.intOperator > indexOf(Operator::Equals))
    return broken("intOperator out of range");
  const int armedNow = armedCount(s);
  if (armedNow > 1) return broken("more than one calculation armed");
  if ((s.bolCalculation != 0) != (armedNow == 1)) {
    return broken("bolCalculation disagrees with the calculation flags");
  }
  if (s.bolReview != 0 && s.bolCalculation == 0) return broken("a review with nothing armed");
  if (s.bolPromptShown != 0 && s.bolCalculation == 0) return broken("a prompt with nothing armed");
  if (s.intStep < 0) return broken("negative step counter");

  // Units: the code, the indicator and the panel agree.
  if (s.strEorM != "E" && s.strEorM != "M") return broken("unit code " + s.strEorM);
  if (s.txtEorM != s.strEorM) {
    return broken("indicator disagrees with the unit code");
  }

  // The selected hose is none or a row of the table, in either unit system.
  if (s.dblHoseCoefficient == 0) {
    if (s.strHoseSize != "0") return broken("hose size without a coefficient");
  } else {
    bool known = false;
    for (const Hose& hose : kHoses) {
      known = known ||
              (s.strHoseSize == hose.sizeText && (s.dblHoseCoefficient == hose.englishCoefficient ||
                                                  s.dblHoseCoefficient == hose.metricCoefficient));
    }
    if (!known) return broken("hose coefficient and size from different rows");
  }

  // Only the armed calculation holds working values; at rest none does.
  const std::optional<std::size_t> own = armed(s);
  if (!onlyOwnValuesSet(s, own)) return broken("working values of a calculation not armed");
  if (!own && s.dblHoseCoefficient != 0) return broken("a hose selected with nothing armed");

  // The display: what the panel shows, never empty, never a non-number word.
  if (s.text1.empty()) return broken("empty display");
  if (containsNoCase(s.text1, "inf") || containsNoCase(s.text1, "nan")) {
    return broken("display shows a non-number");
  }

  const bool messageShown = panel.messages.size() != messagesBefore;
  if (tally && messageShown)
    tally->messages += static_cast<long>(panel.messages.size() - messagesBefore);
  if (messageShown && s != before) return broken("a message box changed the state");

  // An operator key that evaluated shows the accumulator in signed format.
  std::optional<Key> key;
  if (action.kind == Action::Kind::Press) key = action.key;
  if (action.kind == Action::Kind::Type) key = keyForCharacter(action.code);
  if (key && key->kind == KeyKind::Operator && key->index >= 0 &&
      key->index <= indexOf(Operator::Equals) && !messageShown &&
      (key->index == indexOf(Operator::Equals) || before.intOperatorKeyed == 0)) {
    if (tally) ++tally->evaluations;
    if (!std::isfinite(s.dblAccumulator)) return broken("accumulator not finite");
    if (s.text1 != formatSigned(s.dblAccumulator)) return broken("display is not the accumulator");
    const std::optional<double> back = readLenient(s.text1);
    if (!back || std::fabs(*back - s.dblAccumulator) > std::fabs(s.dblAccumulator) * 1e-14) {
      return broken("display does not read back as the accumulator");
    }
  }

  // A review starts only at a result, from its first prompt; anywhere else
  // it changes nothing.
  if (key && key->kind == KeyKind::Review) {
    if (!canReview(before)) {
      if (s != before) return broken("a review started without a result");
    } else if (s.bolReview == 0 || s.intStep != 0 || s.bolPromptShown == 0 ||
               s.text1 != sequences::armedSequence(s)->firstPrompt.in(s)) {
      return broken("a review did not start at the first prompt");
    }
  }

  // Enter: a failure leaves the calculator at rest with "ERROR"; a last step
  // shows the result, the last step of a review too.
  if (key && key->kind == KeyKind::Enter) {
    const std::optional<std::size_t> was = armed(before);
    if (s.text1 == kErrorText && s.bolCalculation == 0 && (was || before.intStep == 32767)) {
      if (tally) ++tally->failures;
      CalculatorState rest;
      rest.strEorM = rest.txtEorM = s.strEorM;
      rest.text1 = std::string(kErrorText);
      if (s != rest) return broken("a failure did not clear everything");
    } else if (was && own == was && s.intStep == before.intStep + 1) {
      const Sequence& sequence = *sequences::kInEnterOrder[*was];
      const std::size_t presses = sequence.steps.size() * (before.bolReview != 0 ? 2 : 1);
      if (s.bolReview != 0 && static_cast<std::size_t>(s.intStep) >= presses) {
        return broken("a review went on past its last input");
      }
      if (static_cast<std::size_t>(s.intStep) == presses) {
        if (tally) ++tally->results[*was];
        if (tally && before.bolReview != 0) ++tally->reviews;
        if (std::string problem = checkResultText(s, sequence, tally); !problem.empty()) {
          return broken(problem);
        }
        // The working of the result ends in the text the display shows.
        const std::vector<std::string> lines = working(s);
        if (lines.empty() || !lines.back().ends_with(" → " + s.text1)) {
          return broken("the working does not end in the result");
        }
      }
    } else if (!was && (s.text1 != before.text1 || s.intStep != before.intStep + 1)) {
      return broken("Enter with nothing armed did more than count");
    }
  }
  return {};
}

// Performs one action and checks it: the invariants, then the honesty
// model, which sees only the key and the display before and after it.
inline std::string performAndCheck(Calculator& calculator, const testing::FakePanel& panel,
                                   HonestyModel& model, const Action& action, Tally* tally) {
  const CalculatorState before = calculator.state;
  const std::size_t messages = panel.messages.size();
  perform(calculator, action);
  std::string problem = checkAfter(calculator, panel, action, before, messages, tally);
  if (problem.empty())
    problem = model.observe(modelKey(action), before.text1, calculator.state.text1);
  if (!problem.empty()) problem += " (after " + describe(action) + ")";
  return problem;
}

// Runs a whole sequence of actions on a fresh calculator; each byte chooses
// one action. Returns the first broken invariant or disagreement with the
// honesty model, or an empty text.
inline std::string runBytes(const std::uint8_t* data, std::size_t size, Tally* tally = nullptr,
                            HonestyModel* model = nullptr) {
  testing::FakePanel panel;
  Calculator calculator(panel);
  Form_Load(calculator);
  HonestyModel ownModel;
  const std::vector<Action>& actions = allActions();
  for (std::size_t i = 0; i < size; ++i) {
    const Action& action = actions[data[i] % actions.size()];
    if (std::string problem =
            performAndCheck(calculator, panel, model ? *model : ownModel, action, tally);
        !problem.empty()) {
      return "byte " + std::to_string(i) + ": " + problem;
    }
  }
  return {};
}

}  // namespace vardel::robustness
