#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "practice/check.h"
#include "practice/draw.h"

// A set's worksheet as data, for both front ends to lay out and print: a
// page of its problems, and a page of its answer key with each answer's
// working.
namespace vardel::practice {

struct WorksheetItem {
  std::string label;                 // "1."
  std::string text;                  // the problem, or on the key its answer: "PSI 183"
  std::vector<std::string> working;  // on the key: how the answer comes about
};

struct WorksheetPage {
  std::string title;                 // "Practice set 4127", "Answer key: practice set 4127"
  std::vector<std::string> heading;  // units, whose figures, the tolerance, version and date
  std::vector<WorksheetItem> items;
};

struct Worksheet {
  WorksheetPage problems, key;
};

Worksheet worksheet(const PracticeSet& set, const Tolerance& tolerance, std::string_view date);

}  // namespace vardel::practice
