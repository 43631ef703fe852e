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
#include "calc/working.h"
#include "core/calculator.h"
#include "core/key.h"
#include "core/power_keys.h"
#include "support/fake_panel.h"
#include "support/key_names.h"

// Calculations written as the keys a user presses (see support/key_names.h).
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

inline void pressKeys(Calculator& calculator, std::string_view script) {
  std::string unknown;
  const std::optional<std::vector<Key>> keys = parseKeys(script, &unknown);
  if (!keys) {
    ADD_FAILURE() << "unknown key in script: " << unknown;
    return;
  }
  for (const Key key : *keys) press(calculator, key);
}

// A calculator fresh from start-up on a fake panel.
struct Session {
  Session() { Form_Load(calculator); }

  // Presses the keys and returns the display after the last one.
  const std::string& run(std::string_view script) {
    pressKeys(calculator, script);
    return calculator.display();
  }
  CalculatorState& state() { return calculator.state; }

  FakePanel panel;
  Calculator calculator{panel};
};

// One stage of a walk through a calculation: keys, then the display.
struct Stage {
  const char* keys;
  const char* display;  // after the keys
};

// Presses the stages in turn on one calculator and checks each display.
inline void walk(const std::vector<Stage>& stages) {
  Session session;
  std::string pressed;
  for (const Stage& stage : stages) {
    pressed += std::string(stage.keys) + " ";
    EXPECT_EQ(session.run(stage.keys), stage.display) << "after " << pressed;
  }
}

// A key script and the display that must follow it.
struct Example {
  std::string keys;
  std::string display;
};

inline void PrintTo(const Example& e, std::ostream* os) {
  *os << '"' << e.keys << "\" -> \"" << e.display << '"';
}

// Runs the example on a fresh calculator. A script that ends in "ERROR" must
// leave the calculator at rest: only the unit system survives a failure.
inline void expectDisplay(const Example& example) {
  Session session;
  EXPECT_EQ(session.run(example.keys), example.display);
  // A result's working ends in the text the display shows.
  if (canShowWorking(session.state())) {
    EXPECT_TRUE(working(session.state()).back().ends_with(" → " + example.display))
        << working(session.state()).back();
  }
  if (example.display == "ERROR") {
    CalculatorState rest;
    rest.strEorM = rest.txtEorM = session.state().strEorM;
    rest.text1 = "ERROR";
    EXPECT_EQ(session.state(), rest);
  }
}

}  // namespace vardel::testing
