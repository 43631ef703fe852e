#include "department/department_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>

#include "calc/hose_table.h"
#include "calc/unit_text.h"
#include "core/number_text.h"
#include "department/file_fields.h"
#include "department/file_names.h"
#include "department/rules.h"
#include "department/saved_lines.h"

namespace vardel::department_file {
namespace {

// The fields of each object of the file, in the documented order: the one
// table that both the reader and the writer follow. A refusal names a field
// by its `what`, then by where it stands (" of the line Crosslay 1").

std::string placeOf(const SavedLine& line) {
  return line.name.empty() ? std::string() : " of the line " + line.name;
}

// A hose key's own coefficients, as the file lists them.
struct HoseEntry {
  std::int16_t row = -1;
  double english = 0, metric = 0;
};

std::string placeOf(const HoseEntry& entry) {
  return entry.row < 0 ? std::string() : " of " + hoseName(entry.row);
}

constexpr std::array<Field<HoseEntry>, 3> kHoseFields = {{
    field<&HoseEntry::row, &Reader::hose, &hoseJson>(names::kHose, "a hose"),
    field<&HoseEntry::english, &Reader::number>(names::kEnglish, "the English coefficient"),
    field<&HoseEntry::metric, &Reader::number>(names::kMetric, "the metric coefficient"),
}};

constexpr std::array<Field<SavedLine>, 8> kLineFields = {{
    field<&SavedLine::name, &Reader::text>(names::kName, "a line's name"),
    field<&SavedLine::metric, &Reader::units, &unitsJson>(names::kUnits, "the units"),
    field<&SavedLine::nozzlePressure, &Reader::text>(names::kNozzlePressure, "the nozzle pressure"),
    field<&SavedLine::flow, &Reader::text>(names::kFlow, "the flow"),
    field<&SavedLine::hose, &Reader::hose, &hoseJson>(names::kHose, "the hose"),
    field<&SavedLine::lines, &Reader::text>(names::kLines, "the lines"),
    field<&SavedLine::length, &Reader::text>(names::kLength, "the length"),
    field<&SavedLine::floors, &Reader::text>(names::kFloors, "the floors"),
}};

void readFormat(Reader& r, const Json& value, DepartmentValues&, const std::string& what) {
  if (r.text(value, what) != kFormat && r.problem.empty()) {
    r.fail("it is not a department file (its format is not \"" + std::string(kFormat) + "\")");
  }
}

void readVersion(Reader& r, const Json& version, DepartmentValues&, const std::string&) {
  if (!version.is_number_integer()) {
    r.fail("its version is not a whole number");
  } else if (version.get<long long>() > kVersion) {
    r.fail("it was written by a newer version of the program (file version " +
           std::to_string(version.get<long long>()) + "; this version reads " +
           std::to_string(kVersion) + ")");
  } else if (version.get<long long>() < 1) {
    r.fail("its version is not valid");
  }
}

void readHoses(Reader& r, const Json& list, DepartmentValues& v, const std::string&) {
  if (!list.is_array()) return (void)r.fail("the hoses are not a list");
  for (const Json& each : list) {
    HoseEntry entry;
    if (!r.record(each, "a hose", kHoseFields, entry, placeOf)) return;
    UnitPair& pair = v.hoses[static_cast<std::size_t>(entry.row)];
    if (pair.isSet()) return (void)r.fail("the hose " + hoseName(entry.row) + " is listed twice");
    pair = {entry.english, entry.metric};
  }
}

Json writeHoses(const DepartmentValues& v) {
  Json list = Json::array();
  for (std::size_t row = 0; row < v.hoses.size(); ++row) {
    const UnitPair& pair = v.hoses[row];
    if (!pair.english || !pair.metric) continue;
    list.push_back(writeRecord(
        kHoseFields, HoseEntry{static_cast<std::int16_t>(row), *pair.english, *pair.metric}));
  }
  return list;
}

void readLines(Reader& r, const Json& list, DepartmentValues& v, const std::string&) {
  if (!list.is_array()) return (void)r.fail("the saved lines are not a list");
  if (list.size() > bounds::kMostLines) {
    return (void)r.fail("it holds more than " + std::to_string(bounds::kMostLines) +
                        " saved lines");
  }
  for (const Json& each : list) {
    if (!r.record(each, "a saved line", kLineFields, v.lines.emplace_back(), placeOf)) return;
  }
}

Json writeLines(const DepartmentValues& v) {
  Json list = Json::array();
  for (const SavedLine& line : v.lines) list.push_back(writeRecord(kLineFields, line));
  return list;
}

constexpr std::array<Field<DepartmentValues>, 9> kFileFields = {{
    {names::kFormat, "the format", readFormat,
     [](const DepartmentValues&) { return Json(std::string(kFormat)); }},
    {names::kVersion, "the version", readVersion,
     [](const DepartmentValues&) { return Json(kVersion); }},
    field<&DepartmentValues::name, &Reader::text>(names::kName, "the department's name"),
    field<&DepartmentValues::inForce, &Reader::flag>(names::kInForce, "inForce"),
    {names::kHoses, "the hoses", readHoses, writeHoses},
    field<&DepartmentValues::perFloor, &Reader::pair, &pairJson>(names::kPerFloor,
                                                                 "the elevation per floor"),
    field<&DepartmentValues::pumpLimit, &Reader::pair, &pairJson>(names::kPumpLimit,
                                                                  "the pump pressure limit"),
    {names::kLines, "the saved lines", readLines, writeLines},
    field<&DepartmentValues::practiceTolerance, &Reader::pair, &pairJson>(
        names::kPracticeTolerance, "the tolerance of a practice answer", 2),
}};

// A figure of both systems in words: "5 psi / 35 kPa", a coefficient
// without units, "published" where none is set.
std::string figureText(const UnitPair& pair, bool pressure) {
  if (!pair.isSet()) return "published";
  const auto one = [pressure](std::optional<double> v, bool metric) {
    if (!v) return std::string("published");
    return formatPlain(*v) + " " + (pressure ? std::string(unitNames(metric).pressure) : "");
  };
  return one(pair.english, false) + " / " + one(pair.metric, true);
}

std::string lineText(const SavedLine& line) { return line.name + ": " + describeLine(line); }

}  // namespace

Read read(std::string_view text) {
  if (text.size() > kLargest) {
    return {std::nullopt, "The file is larger than " + std::to_string(kLargest / 1024) +
                              " KB: it is not a department file."};
  }
  if (nesting(text) > kDeepest) return {std::nullopt, "The file is not a department file."};
  // Read through the library's plain DOM builder: no callback, no exception.
  Json file;
  nlohmann::detail::json_sax_dom_parser<Json> builder(file, false);
  if (!Json::sax_parse(text.begin(), text.end(), &builder) || builder.is_errored())
    return {std::nullopt, "The file is damaged: it is not well-formed JSON."};
  Reader r;
  // The version is checked as a field of its own; here it only says which
  // fields the file holds.
  if (file.is_object() && file.contains(names::kVersion) &&
      file[names::kVersion].is_number_integer()) {
    r.version = static_cast<int>(
        std::clamp<long long>(file[names::kVersion].get<long long>(), 1, kVersion));
  }
  DepartmentValues values;
  r.record(file, "the file", kFileFields, values);
  if (r.problem.empty()) r.problem = checkValues(values);
  if (!r.problem.empty()) {
    std::string problem = r.problem;
    if (problem.back() != '.') problem += ".";
    problem[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(problem[0])));
    return {std::nullopt, "The file is refused: " + problem};
  }
  return {std::move(values), {}};
}

std::string write(const DepartmentValues& values) {
  return writeRecord(kFileFields, values).dump(2, ' ', false, Json::error_handler_t::replace) +
         "\n";
}

std::vector<std::string> changes(const DepartmentValues& current,
                                 const DepartmentValues& incoming) {
  std::vector<std::string> out;
  if (current.name != incoming.name) out.push_back("Name: " + incoming.name);
  if (current.inForce != incoming.inForce) {
    out.push_back(incoming.inForce ? "The department's values are put in force"
                                   : "The published values are put in force");
  }
  for (std::size_t row = 0; row < current.hoses.size(); ++row) {
    if (current.hoses[row] == incoming.hoses[row]) continue;
    const auto name = hoseName(static_cast<std::int16_t>(row));
    out.push_back(name + " hose: " + figureText(current.hoses[row], false) + " becomes " +
                  figureText(incoming.hoses[row], false));
  }
  if (current.perFloor != incoming.perFloor) {
    out.push_back("Elevation per floor: " + figureText(current.perFloor, true) + " becomes " +
                  figureText(incoming.perFloor, true));
  }
  if (current.pumpLimit != incoming.pumpLimit) {
    out.push_back("Pump pressure limit: " + figureText(current.pumpLimit, true) + " becomes " +
                  figureText(incoming.pumpLimit, true));
  }
  if (current.practiceTolerance != incoming.practiceTolerance) {
    out.push_back("Practice tolerance: " + figureText(current.practiceTolerance, true) +
                  " becomes " + figureText(incoming.practiceTolerance, true));
  }
  for (const SavedLine& line : current.lines) {
    const auto same = std::find_if(incoming.lines.begin(), incoming.lines.end(),
                                   [&](const SavedLine& l) { return l.name == line.name; });
    if (same == incoming.lines.end()) {
      out.push_back("Line removed: " + line.name);
    } else if (!(*same == line)) {
      out.push_back("Line changed: " + lineText(*same));
    }
  }
  for (const SavedLine& line : incoming.lines) {
    if (std::none_of(current.lines.begin(), current.lines.end(),
                     [&](const SavedLine& l) { return l.name == line.name; })) {
      out.push_back("Line added: " + lineText(line));
    }
  }
  return out;
}

}  // namespace vardel::department_file
