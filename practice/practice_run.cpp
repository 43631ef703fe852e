#include "practice/practice_run.h"

#include <utility>

namespace vardel::practice {

PracticeRun::PracticeRun(PracticeSet set, Tolerance tolerance)
    : set_(std::move(set)), tolerance_(tolerance) {}

Verdict PracticeRun::answer(std::string_view display) {
  if (finished()) return {};
  Verdict verdict = check(set_.problems[index_], display, tolerance_);
  if (verdict.outcome != Outcome::NoAnswer) {
    ++score_.answered;
    if (verdict.outcome == Outcome::Right) ++score_.right;
    ++index_;
  }
  last_ = verdict;
  return verdict;
}

std::vector<std::string> PracticeRun::lines() const {
  std::vector<std::string> lines = last_.lines;
  if (!lines.empty()) lines.emplace_back();
  if (finished()) {
    lines.push_back(scoreText(set_.number, score_));
  } else {
    lines.push_back("Problem " + std::to_string(index_ + 1) + " of " +
                    std::to_string(set_.problems.size()));
    lines.push_back(set_.problems[index_].text);
  }
  return lines;
}

std::string scoreText(std::uint32_t set, const Score& score) {
  return "Set " + std::to_string(set) + ": " + std::to_string(score.right) + " of " +
         std::to_string(score.answered) + " right.";
}

}  // namespace vardel::practice
