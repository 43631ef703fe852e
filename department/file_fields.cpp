#include "department/file_fields.h"

#include <algorithm>
#include <cmath>

#include "calc/hose_table.h"
#include "department/file_names.h"

namespace vardel::department_file {

using names::kEnglish;
using names::kMetric;

int nesting(std::string_view text) {
  int depth = 0, deepest = 0;
  bool inString = false, escaped = false;
  for (const char c : text) {
    if (inString) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '{' || c == '[') {
      deepest = std::max(deepest, ++depth);
    } else if (c == '}' || c == ']') {
      --depth;
    }
  }
  return deepest;
}

std::string Reader::text(const Json& value, std::string_view what) {
  if (!problem.empty()) return {};
  if (!value.is_string()) return fail(std::string(what) + " is not a text"), std::string();
  return value.get<std::string>();
}

double Reader::number(const Json& value, std::string_view what) {
  if (!problem.empty()) return 0;
  if (!value.is_number()) return fail(std::string(what) + " is not a number"), 0.0;
  const double n = value.get<double>();
  if (!std::isfinite(n)) return fail(std::string(what) + " is out of range"), 0.0;
  return n;
}

bool Reader::flag(const Json& value, std::string_view what) {
  if (!problem.empty()) return false;
  if (!value.is_boolean()) return fail(std::string(what) + " is not true or false");
  return value.get<bool>();
}

std::int16_t Reader::hose(const Json& value, std::string_view what) {
  const std::string size = text(value, what);
  for (std::size_t row = 0; row < kHoses.size(); ++row) {
    if (kHoses[row].sizeText == size) return static_cast<std::int16_t>(row);
  }
  if (problem.empty()) fail(std::string(what) + " \"" + size + "\" is no hose key's size");
  return 0;
}

UnitPair Reader::pair(const Json& value, std::string_view what) {
  if (value.is_null() || !object(value, what, std::array{kEnglish, kMetric})) return {};
  return {number(value[std::string(kEnglish)], std::string(what) + " in English units"),
          number(value[std::string(kMetric)], std::string(what) + " in metric units")};
}

bool Reader::fail(std::string what) {
  if (problem.empty()) problem = std::move(what);
  return false;
}

bool Reader::units(const Json& value, std::string_view what) {
  const std::string units = text(value, what);
  if (problem.empty() && units != kEnglish && units != kMetric) {
    fail(std::string(what) + " are neither \"english\" nor \"metric\"");
  }
  return units == kMetric;
}

Json unitsJson(bool metric) { return std::string(metric ? kMetric : kEnglish); }

Json hoseJson(std::int16_t row) {
  return std::string(kHoses[static_cast<std::size_t>(row)].sizeText);
}

Json pairJson(const UnitPair& pair) {
  if (!pair.english || !pair.metric) return nullptr;
  return {{std::string(kEnglish), *pair.english}, {std::string(kMetric), *pair.metric}};
}

}  // namespace vardel::department_file
