#include "practice/worksheet.h"

#include "core/app_info.h"

namespace vardel::practice {
namespace {

std::vector<std::string> heading(const PracticeSet& set, const Tolerance& tolerance,
                                 std::string_view date) {
  const auto within = [&](Quantity quantity) {
    return toleranceWords(tolerance, quantity, set.metric);
  };
  return {
      std::string(set.metric ? "Metric units" : "English units") + "; " +
          (set.department.empty() ? "published figures" : "department values, " + set.department),
      "An answer within " + within(Quantity::Pressure) + ", " + within(Quantity::Flow) + " or " +
          within(Quantity::Force) + " of the key counts as right.",
      std::string(app_info::kTitle) + " " + app_info::kVersion + ", " + std::string(date),
  };
}

}  // namespace

Worksheet worksheet(const PracticeSet& set, const Tolerance& tolerance, std::string_view date) {
  const std::string name = "practice set " + std::to_string(set.number);
  Worksheet sheet;
  sheet.problems.title = "Practice set " + std::to_string(set.number);
  sheet.key.title = "Answer key: " + name;
  sheet.problems.heading = heading(set, tolerance, date);
  sheet.key.heading = sheet.problems.heading;
  for (std::size_t i = 0; i < set.problems.size(); ++i) {
    const Problem& problem = set.problems[i];
    const std::string label = std::to_string(i + 1) + ".";
    sheet.problems.items.push_back({label, problem.text, {}});
    sheet.key.items.push_back({label, problem.answer.shown, problem.answer.working});
  }
  return sheet;
}

}  // namespace vardel::practice
