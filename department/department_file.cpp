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
#include "department/lay_file.h"
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

void readIssued(Reader& r, const Json& value, DepartmentValues& v, const std::string& what) {
  if (value.is_null()) return;
  v.issued = r.text(value, what);
  if (r.problem.empty() && !isDay(v.issued)) {
    r.fail(what + " \"" + v.issued + "\" is not a day written as 2026-12-01");
  }
}

Json writeIssued(const DepartmentValues& v) {
  return v.issued.empty() ? Json(nullptr) : Json(v.issued);
}

Json writeLines(const DepartmentValues& v) {
  Json list = Json::array();
  for (const SavedLine& line : v.lines) list.push_back(writeRecord(kLineFields, line));
  return list;
}

constexpr std::array<Field<DepartmentValues>, 17> kFileFields = {{
    {names::kFormat, "the format", readFormat,
     [](const DepartmentValues&) { return Json(std::string(kFormat)); }},
    {names::kVersion, "the version", readVersion,
     [](const DepartmentValues&) { return Json(kVersion); }},
    field<&DepartmentValues::name, &Reader::text>(names::kName, "the department's name"),
    since(2,
          Field<DepartmentValues>{names::kIssued, "the day of the issue", readIssued, writeIssued}),
    field<&DepartmentValues::inForce, &Reader::flag>(names::kInForce, "inForce"),
    {names::kHoses, "the hoses", readHoses, writeHoses},
    field<&DepartmentValues::perFloor, &Reader::pair, &pairJson>(names::kPerFloor,
                                                                 "the elevation per floor"),
    field<&DepartmentValues::pumpLimit, &Reader::pair, &pairJson>(names::kPumpLimit,
                                                                  "the pump pressure limit"),
    {names::kLines, "the saved lines", readLines, writeLines},
    since(2, field<&DepartmentValues::wyeFrom, &Reader::pair, &pairJson>(
                 names::kWyeFrom, "the flow from which a wye loses pressure")),
    since(2, field<&DepartmentValues::wyeLoss, &Reader::pair, &pairJson>(
                 names::kWyeLoss, "the loss in a wye, siamese or manifold")),
    since(2, field<&DepartmentValues::standpipeLoss, &Reader::pair, &pairJson>(
                 names::kStandpipeLoss, "the loss in a standpipe system")),
    since(2, field<&DepartmentValues::masterStreamLoss, &Reader::pair, &pairJson>(
                 names::kMasterStreamLoss, "the loss in a master-stream device")),
    since(2, field<&DepartmentValues::ratedFlow, &Reader::pair, &pairJson>(
                 names::kRatedFlow, "the pump's rated flow")),
    since(2, field<&DepartmentValues::intake, &Reader::pair, &pairJson>(
                 names::kIntake, "the pressure at the pump's intake")),
    since(2, field<&DepartmentValues::practiceTolerance, &Reader::pair, &pairJson>(
                 names::kPracticeTolerance, "the tolerance of a practice answer")),
    since(2, Field<DepartmentValues>{names::kLays, "the saved lays", readLays, writeLays}),
}};

// The version a file says it is, where it says so with a whole number; the
// reader takes the fields of that version. A newer one is refused before
// its fields are looked at, as they are not known.
void readFileVersion(Reader& r, const Json& file) {
  if (!file.is_object() || !file.contains(std::string(names::kVersion))) return;
  const Json& version = file[std::string(names::kVersion)];
  if (!version.is_number_integer()) return;
  const long long number = version.get<long long>();
  if (number > kVersion) {
    DepartmentValues none;
    readVersion(r, version, none, {});
  } else if (number >= 1) {
    r.version = static_cast<int>(number);
  }
}

// A figure of both systems in words: "5 psi / 35 kPa", a coefficient
// without units, "published" where none is set.
std::string figureText(const UnitPair& pair, const FigureRule* rule) {
  if (!pair.isSet()) return "published";
  const auto one = [rule](std::optional<double> v, bool metric) {
    if (!v) return std::string("published");
    if (rule == nullptr) return formatPlain(*v) + " ";
    const UnitNames& u = unitNames(metric);
    return formatPlain(*v) + " " +
           std::string(rule->quantity == Quantity::Flow ? u.flow : u.pressure);
  };
  return one(pair.english, false) + " / " + one(pair.metric, true);
}

std::string lineText(const SavedLine& line) { return line.name + ": " + describeLine(line); }

std::string layText(const Lay& lay) {
  const std::size_t count = lay.discharges.size();
  return lay.name + ": " + std::to_string(count) + (count == 1 ? " discharge, " : " discharges, ") +
         std::string(unitNames(lay.metric).system);
}

// What taking `incoming` in place of `current` does to a list of named
// things: each removed, changed or added one, "Line added: ...".
template <typename Named>
void namedChanges(const std::vector<Named>& current, const std::vector<Named>& incoming,
                  const std::string& kind, std::string (*text)(const Named&),
                  std::vector<std::string>& out) {
  const auto named = [](const std::vector<Named>& list, const std::string& name) {
    return std::find_if(list.begin(), list.end(), [&](const Named& n) { return n.name == name; });
  };
  for (const Named& each : current) {
    const auto same = named(incoming, each.name);
    if (same == incoming.end()) {
      out.push_back(kind + " removed: " + each.name);
    } else if (!(*same == each)) {
      out.push_back(kind + " changed: " + text(*same));
    }
  }
  for (const Named& each : incoming) {
    if (named(current, each.name) == current.end()) out.push_back(kind + " added: " + text(each));
  }
}

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
  readFileVersion(r, file);
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

std::string write(const DepartmentValues& values, Layout layout) {
  const Json file = writeRecord(kFileFields, values);
  if (layout == Layout::Compact) return file.dump(-1, ' ', false, Json::error_handler_t::replace);
  return file.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::vector<std::string> changes(const DepartmentValues& current,
                                 const DepartmentValues& incoming) {
  std::vector<std::string> out;
  if (current.name != incoming.name) out.push_back("Name: " + incoming.name);
  if (current.issued != incoming.issued && !incoming.issued.empty()) {
    out.push_back("Issued: " + incoming.issued);
  }
  if (current.inForce != incoming.inForce) {
    out.push_back(incoming.inForce ? "The department's values are put in force"
                                   : "The published values are put in force");
  }
  for (std::size_t row = 0; row < current.hoses.size(); ++row) {
    if (current.hoses[row] == incoming.hoses[row]) continue;
    const auto name = hoseName(static_cast<std::int16_t>(row));
    out.push_back(name + " hose: " + figureText(current.hoses[row], nullptr) + " becomes " +
                  figureText(incoming.hoses[row], nullptr));
  }
  for (const FigureRule& rule : figureRules()) {
    const UnitPair &now = current.*rule.figure, &then = incoming.*rule.figure;
    if (now == then) continue;
    out.push_back(std::string(rule.name) + ": " + figureText(now, &rule) + " becomes " +
                  figureText(then, &rule));
  }
  namedChanges(current.lines, incoming.lines, "Line", lineText, out);
  namedChanges(current.lays, incoming.lays, "Lay", layText, out);
  return out;
}

}  // namespace vardel::department_file
