#pragma once

#include <cstdint>
#include <optional>

#include "core/calculator.h"
#include "practice/practice_run.h"

// Practice over the calculator of a panel. While it is on, Enter with no
// calculation in progress hands the display in as the answer to the problem
// standing, and a calculation keyed to work an answer runs as ever, its
// result handed in with one more Enter. Leaving puts back the calculator as
// it was when practice began, so that practice leaves no trace on a real
// result.
namespace vardel::practice {

// Whether Enter belongs to a calculation: one armed that still asks for a
// value, or a review of a result's inputs.
bool calculationInProgress(const CalculatorState& state);

class PracticeMode {
 public:
  bool on() const { return run_.has_value(); }
  const PracticeRun* run() const { return run_ ? &*run_ : nullptr; }

  // Starts set `number`, drawn in the units in force with the department's
  // values in force, and clears the calculator for the first answer. The
  // calculator's state is kept to be put back on leaving; a new set started
  // while practice is on keeps the state kept at first.
  void start(Calculator& calculator, std::uint32_t number, const Tolerance& tolerance);

  // Puts back the state kept at the start (with the department's values now
  // in force), and practice is off.
  void leave(Calculator& calculator);

  // Enter while practice is on: true when it took the display as an answer,
  // false when Enter is the calculator's. A right or wrong answer clears the
  // calculator for the next one.
  bool enter(Calculator& calculator);

 private:
  std::optional<PracticeRun> run_;
  CalculatorState kept_;
};

}  // namespace vardel::practice
