#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "practice/check.h"
#include "practice/draw.h"

// One operator's way through a set: the problem standing, the answers
// checked one by one, and the score at the end.
namespace vardel::practice {

struct Score {
  std::size_t right = 0, answered = 0;
};

class PracticeRun {
 public:
  PracticeRun(PracticeSet set, Tolerance tolerance);

  const PracticeSet& set() const { return set_; }
  const Tolerance& tolerance() const { return tolerance_; }
  bool finished() const { return index_ == set_.problems.size(); }
  std::size_t index() const { return index_; }  // of the problem standing
  const Score& score() const { return score_; }

  // Checks the display as the answer to the problem standing. A right or a
  // wrong answer is counted and the next problem stands; a display that is
  // no answer leaves everything as it was. Nothing once the set is done.
  Verdict answer(std::string_view display);

  // What the practice box shows: the last verdict, then the problem standing
  // ("Problem 3 of 10" and its text), or at the end the score.
  std::vector<std::string> lines() const;

 private:
  PracticeSet set_;
  Tolerance tolerance_;
  std::size_t index_ = 0;
  Score score_;
  Verdict last_;
};

// "Set 4127: 7 of 10 right."
std::string scoreText(std::uint32_t set, const Score& score);

}  // namespace vardel::practice
