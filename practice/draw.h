#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/department_values.h"
#include "practice/problem.h"

// A practice set drawn from its number: ten problems of every kind, with
// realistic figures in the units in force, and with the department's values
// (and lines) when they are in force. The number, the units and the
// department's values fix the set: the same three give the same problems on
// every device and in both panels.
namespace vardel::practice {

inline constexpr std::size_t kProblemsPerSet = 10;
inline constexpr std::uint32_t kFirstSet = 1;
inline constexpr std::uint32_t kLastSet = 9999;

struct PracticeSetting {
  bool metric = false;
  const DepartmentValues* department = nullptr;  // in force, or none: the published figures
};

struct PracticeSet {
  std::uint32_t number = 0;
  bool metric = false;
  std::string department;  // whose values went in; empty for the published ones
  std::vector<Problem> problems;
};

// The set number a field holds: digits alone, from kFirstSet to kLastSet.
std::optional<std::uint32_t> readSetNumber(std::string_view text);
// Why a field's text is no set number, or an empty text when it is one.
std::string checkSetNumber(std::string_view text);

// Each problem's answer is the calculator's own for its keys, never ERROR.
PracticeSet drawSet(std::uint32_t number, const PracticeSetting& setting);

}  // namespace vardel::practice
