// A long random walk over every key and typed character, in both unit
// systems, with every invariant checked after each action. The walk is
// steered now and then through a whole calculation with random inputs, so
// that it reaches results, failures and overflows and not only the keypad.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>

#include "robustness/invariants.h"
#include "support/key_names.h"

namespace vardel::robustness {
namespace {

// The function keys in the order of sequences::kInEnterOrder.
constexpr std::array kFunctionKeys = {
    KeyKind::StraightTipFR, KeyKind::FogNozzleFR,  KeyKind::StraightTipRF,  KeyKind::FogNozzleRF,
    KeyKind::ApplicRate,    KeyKind::FrictionLoss, KeyKind::EnginePressure,
};

class Walker {
 public:
  explicit Walker(std::uint64_t seed) : random_(seed) {}

  // The next action: mostly the planned calculation, else anything.
  Action next() {
    if (plan_.empty() && below(40) == 0) makePlan();
    if (!plan_.empty() && below(12) != 0) {
      const Action a = plan_.front();
      plan_.pop_front();
      return a;
    }
    switch (below(10)) {
      case 0:
      case 1:
      case 2:
        return digit(static_cast<std::int16_t>(below(11)));
      case 3:
        return enter();
      default:
        return allActions()[below(allActions().size())];
    }
  }

 private:
  std::size_t below(std::size_t n) { return static_cast<std::size_t>(random_() % n); }

  Action digit(std::int16_t index) {
    if (below(3) == 0) {
      return {Action::Kind::Type, Key{},
              static_cast<std::int16_t>(index == 10 ? '.' : '0' + index)};
    }
    return {Action::Kind::Press, Key{KeyKind::Digit, index}, 0};
  }
  Action enter() {
    if (below(3) == 0) return {Action::Kind::Type, Key{}, 13};
    return {Action::Kind::Press, Key{KeyKind::Enter}, 0};
  }
  void plan(KeyKind kind, std::int16_t index = 0) {
    plan_.push_back({Action::Kind::Press, Key{kind, index}, 0});
  }

  // A number as keys: usually a few digits, sometimes a fraction, a huge or
  // a negative number, now and then a lone zero.
  void planNumber() {
    const std::size_t shape = below(40);
    if (shape == 0) {
      plan_.push_back(digit(0));
    } else if (shape == 1) {
      plan_.push_back(
          {Action::Kind::DigitRun, Key{}, below(2) == 0 ? std::int16_t{16} : std::int16_t{330}});
    } else {
      plan_.push_back(digit(static_cast<std::int16_t>(1 + below(9))));
      for (std::size_t n = below(4); n > 0; --n)
        plan_.push_back(digit(static_cast<std::int16_t>(below(10))));
      if (below(4) == 0) {
        plan_.push_back(digit(kPointIndex));
        plan_.push_back(digit(static_cast<std::int16_t>(below(10))));
      }
    }
    if (below(10) == 0) plan(KeyKind::PosNeg);
  }

  void makePlan() {
    const std::size_t which = below(kFunctionKeys.size());
    if (below(3) == 0) plan(KeyKind::EnglishMetric);
    plan(kFunctionKeys[which]);
    for (const Step& step : sequences::kInEnterOrder[which]->steps) {
      switch (step.kind) {
        case StepKind::Value:
          planNumber();
          break;
        case StepKind::Hose:
          plan(KeyKind::Hose, static_cast<std::int16_t>(below(kHoses.size())));
          break;
        case StepKind::Lines:
        case StepKind::Floors:
          if (below(2) == 0) planNumber();
          break;
      }
      plan_.push_back(enter());
    }
    if (below(3) == 0) planReview(*sequences::kInEnterOrder[which]);
  }

  // A review walk of the result just planned: most inputs kept, some keyed
  // anew, a hose chosen again now and then.
  void planReview(const Sequence& sequence) {
    plan(KeyKind::Review);
    for (const Step& step : sequence.steps) {
      plan_.push_back(enter());
      if (below(3) == 0) {
        if (step.kind == StepKind::Hose) {
          plan(KeyKind::Hose, static_cast<std::int16_t>(below(kHoses.size())));
        } else {
          planNumber();
        }
      }
      plan_.push_back(enter());
    }
  }

  std::mt19937_64 random_;
  std::deque<Action> plan_;
};

// A million actions by default; VARDEL_WALK_ACTIONS asks for a longer walk
// (`make long-walk`), VARDEL_WALK_SEED for another one.
long fromEnvironment(const char* name, long otherwise) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::atol(text) : otherwise;
}

TEST(RandomWalk, EveryInvariantHoldsAndTheDisplayIsHonestAfterEveryAction) {
  const long kActions = fromEnvironment("VARDEL_WALK_ACTIONS", 1'000'000);
  testing::FakePanel panel;
  Calculator calculator(panel);
  Form_Load(calculator);
  Walker walker(static_cast<std::uint64_t>(fromEnvironment("VARDEL_WALK_SEED", 20240611)));
  HonestyModel model;
  Tally tally;
  long metricActions = 0;
  for (long i = 0; i < kActions; ++i) {
    const std::string problem = performAndCheck(calculator, panel, model, walker.next(), &tally);
    ASSERT_EQ(problem, "") << "action " << i;
    metricActions += calculator.state.strEorM == "M";
    // Keep the message log from growing without end; only its growth counts.
    if (panel.messages.size() > 1000) panel.messages.clear();
  }

  // The walk went deep: every calculation reached its result many times,
  // in both unit systems, and the failure and message paths were taken.
  for (std::size_t i = 0; i < tally.results.size(); ++i) {
    EXPECT_GE(tally.results[i], 50) << "calculation " << i << " in Enter's order";
  }
  EXPECT_GT(tally.reviews, 50);
  EXPECT_GT(tally.failures, 1000);
  EXPECT_GT(tally.messages, 100);
  EXPECT_GT(tally.evaluations, 1000);
  EXPECT_GT(tally.exponentResults, 0);
  EXPECT_GT(metricActions, kActions / 5);
  EXPECT_LT(metricActions, kActions * 4 / 5);
  std::string counts;
  for (const long n : tally.results) counts += std::to_string(n) + " ";
  RecordProperty("results", counts);
  std::printf(
      "results per calculation: %s; reviews %ld; failures %ld; messages %ld; "
      "evaluations %ld\n",
      counts.c_str(), tally.reviews, tally.failures, tally.messages, tally.evaluations);
  const HonestyModel::Counts& honest = model.counts();
  EXPECT_GT(honest.results, 1000);
  EXPECT_GT(honest.reviews, 1000);
  EXPECT_GT(honest.unchangedReviews, 100);
  std::printf(
      "honesty model: %ld actions, %ld results recomputed, %ld reviews (%ld unchanged), "
      "%ld refusals foreseen, 0 disagreements\n",
      honest.actions, honest.results, honest.reviews, honest.unchangedReviews, honest.refusals);
}

// The checker itself must notice a broken state, or the walk proves nothing.
TEST(RandomWalk, CheckerNoticesBrokenStates) {
  const auto corrupt = [](void (*breakIt)(Calculator&)) {
    testing::FakePanel panel;
    Calculator calculator(panel);
    Form_Load(calculator);
    press(calculator, Key{KeyKind::FrictionLoss});
    const CalculatorState before = calculator.state;
    breakIt(calculator);
    return checkAfter(calculator, panel, Action{}, before, panel.messages.size(), nullptr);
  };
  EXPECT_NE(corrupt([](Calculator& c) { c.state.bolCalculation = 1; }), "");
  EXPECT_NE(corrupt([](Calculator& c) { c.state.bolAppRate = kTrue; }), "");
  EXPECT_NE(corrupt([](Calculator& c) { c.state.intOperator = 5; }), "");
  EXPECT_NE(corrupt([](Calculator& c) { c.state.txtEorM = "M"; }), "");
  EXPECT_NE(corrupt([](Calculator& c) { c.state.text1 = " INF"; }), "");
  EXPECT_NE(corrupt([](Calculator& c) { c.state.working.dblAppRateWidth = 3; }), "");
  EXPECT_NE(corrupt([](Calculator& c) { c.state.dblHoseCoefficient = 15.5; }), "");
  EXPECT_EQ(corrupt([](Calculator&) {}), "");
}

// The honesty model must notice a dishonest display: each case runs a real
// calculation, then shows the model what a faulty program would have shown.
TEST(RandomWalk, HonestyModelNoticesADishonestDisplay) {
  struct Case {
    const char* script;  // keys pressed for real
    Key key;             // then this key, faked
    const char* before;
    const char* after;
  };
  const Key enter{KeyKind::Enter};
  const Case cases[] = {
      {"FL 150 ENTER H1.75 ENTER ENTER 200 ENTER", digitKey(8), "PSI 70", "PSI 708"},
      {"FL 150 ENTER H1.75 ENTER ENTER 200", enter, " 200", "PSI 71"},
      {"FL 150 ENTER H1.75 ENTER ENTER 200 EM", enter, " 200", "kPa 70"},
      {"FL 150 ENTER H2.5 1.75", enter, " 1.75", "SIAMESE"},
      {"FL 150 ENTER H1.75 ENTER ENTER 200 ENTER REVIEW", enter, "FLOW GPM", "1.5"},
      {"FL 150 ENTER H1.75 ENTER ENTER 200 ENTER 7", Key{KeyKind::Review}, " 7", "FLOW GPM"},
  };
  for (const Case& c : cases) {
    testing::FakePanel panel;
    Calculator calculator(panel);
    Form_Load(calculator);
    HonestyModel model;
    const std::optional<std::vector<Key>> keys = testing::parseKeys(c.script);
    ASSERT_TRUE(keys) << c.script;
    for (const Key key : *keys) {
      const std::string before = calculator.display();
      press(calculator, key);
      ASSERT_EQ(model.observe(key, before, calculator.display()), "") << c.script;
    }
    EXPECT_NE(model.observe(c.key, c.before, c.after), "") << c.script << " then " << c.after;
  }
}

}  // namespace
}  // namespace vardel::robustness
