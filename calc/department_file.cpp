#include "calc/department_file.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <nlohmann/json.hpp>

#include "core/number_text.h"

namespace vardel::department_file {
namespace {

// Ordered, so that a file is written with its fields in the documented order.
using Json = nlohmann::ordered_json;

// The deepest nesting a file has (the object, its lines, a line); anything
// much deeper is refused before it is parsed, so that no file can exhaust
// the stack.
constexpr int kDeepest = 8;

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

// Reads one object whose fields must be exactly `fields`; the first problem
// met is kept and every later read does nothing.
class Reader {
 public:
  std::string problem;

  bool object(const Json& value, std::string_view where,
              std::initializer_list<const char*> fields) {
    if (!problem.empty()) return false;
    if (!value.is_object()) return fail(std::string(where) + " is not an object");
    for (const char* field : fields) {
      if (!value.contains(field)) {
        return fail("the field \"" + std::string(field) + "\" is missing from " +
                    std::string(where));
      }
    }
    for (auto field = value.begin(); field != value.end(); ++field) {
      const std::string& key = field.key();
      if (std::none_of(fields.begin(), fields.end(), [&key](const char* f) { return key == f; })) {
        return fail("the field \"" + key + "\" of " + std::string(where) + " is not known");
      }
    }
    return true;
  }

  std::string text(const Json& value, std::string_view what) {
    if (!problem.empty()) return {};
    if (!value.is_string()) return fail(std::string(what) + " is not a text"), std::string();
    return value.get<std::string>();
  }

  double number(const Json& value, std::string_view what) {
    if (!problem.empty()) return 0;
    if (!value.is_number()) return fail(std::string(what) + " is not a number"), 0.0;
    const double n = value.get<double>();
    if (!std::isfinite(n)) return fail(std::string(what) + " is out of range"), 0.0;
    return n;
  }

  bool flag(const Json& value, std::string_view what) {
    if (!problem.empty()) return false;
    if (!value.is_boolean()) return fail(std::string(what) + " is not true or false");
    return value.get<bool>();
  }

  // A figure in both unit systems, or null where none is set.
  UnitPair pair(const Json& value, std::string_view what) {
    if (value.is_null() || !object(value, what, {"english", "metric"})) return {};
    return {number(value["english"], std::string(what) + " in English units"),
            number(value["metric"], std::string(what) + " in metric units")};
  }

  std::int16_t hose(const Json& value, std::string_view what) {
    const std::string size = text(value, what);
    for (std::size_t row = 0; row < kHoses.size(); ++row) {
      if (kHoses[row].sizeText == size) return static_cast<std::int16_t>(row);
    }
    if (problem.empty()) fail(std::string(what) + " \"" + size + "\" is no hose key's size");
    return 0;
  }

  bool fail(std::string what) {
    if (problem.empty()) problem = std::move(what);
    return false;
  }
};

SavedLine readLine(Reader& r, const Json& value) {
  SavedLine line;
  if (!r.object(value, "a saved line",
                {"name", "units", "nozzlePressure", "flow", "hose", "lines", "length", "floors"})) {
    return line;
  }
  line.name = r.text(value["name"], "a line's name");
  const std::string where = "the line " + line.name;
  const std::string units = r.text(value["units"], "the units of " + where);
  if (r.problem.empty() && units != "english" && units != "metric") {
    r.fail("the units of " + where + " are neither \"english\" nor \"metric\"");
  }
  line.metric = units == "metric";
  line.nozzlePressure = r.text(value["nozzlePressure"], "the nozzle pressure of " + where);
  line.flow = r.text(value["flow"], "the flow of " + where);
  line.hose = r.hose(value["hose"], "the hose of " + where);
  line.lines = r.text(value["lines"], "the lines of " + where);
  line.length = r.text(value["length"], "the length of " + where);
  line.floors = r.text(value["floors"], "the floors of " + where);
  return line;
}

DepartmentValues readValues(Reader& r, const Json& file) {
  DepartmentValues v;
  if (!r.object(
          file, "the file",
          {"format", "version", "name", "inForce", "hoses", "perFloor", "pumpLimit", "lines"})) {
    return v;
  }
  if (r.text(file["format"], "the format") != kFormat && r.problem.empty()) {
    r.fail("it is not a department file (its format is not \"" + std::string(kFormat) + "\")");
  }
  const Json& version = file["version"];
  if (r.problem.empty() && !version.is_number_integer())
    r.fail("its version is not a whole number");
  if (r.problem.empty() && version.get<long long>() > kVersion) {
    r.fail("it was written by a newer version of the program (file version " +
           std::to_string(version.get<long long>()) + "; this version reads " +
           std::to_string(kVersion) + ")");
  }
  if (r.problem.empty() && version.get<long long>() < 1) r.fail("its version is not valid");
  v.name = r.text(file["name"], "the department's name");
  v.inForce = r.flag(file["inForce"], "inForce");
  const Json& hoses = file["hoses"];
  if (r.problem.empty() && !hoses.is_array()) r.fail("the hoses are not a list");
  for (std::size_t i = 0; r.problem.empty() && i < hoses.size(); ++i) {
    if (!r.object(hoses[i], "a hose", {"hose", "english", "metric"})) break;
    const std::int16_t row = r.hose(hoses[i]["hose"], "a hose");
    if (r.problem.empty() && v.hoses[static_cast<std::size_t>(row)].isSet()) {
      r.fail("the hose " + hoseName(row) + " is listed twice");
    }
    v.hoses[static_cast<std::size_t>(row)] = {
        r.number(hoses[i]["english"], "the English coefficient of " + hoseName(row)),
        r.number(hoses[i]["metric"], "the metric coefficient of " + hoseName(row))};
  }
  v.perFloor = r.pair(file["perFloor"], "the elevation per floor");
  v.pumpLimit = r.pair(file["pumpLimit"], "the pump pressure limit");
  const Json& lines = file["lines"];
  if (r.problem.empty() && !lines.is_array()) r.fail("the saved lines are not a list");
  if (r.problem.empty() && lines.size() > bounds::kMostLines) {
    r.fail("it holds more than " + std::to_string(bounds::kMostLines) + " saved lines");
  }
  for (std::size_t i = 0; r.problem.empty() && i < lines.size(); ++i) {
    v.lines.push_back(readLine(r, lines[i]));
  }
  return v;
}

Json pairJson(const UnitPair& pair) {
  if (!pair.english || !pair.metric) return nullptr;
  return {{"english", *pair.english}, {"metric", *pair.metric}};
}

std::string figureText(const UnitPair& pair, const char* english, const char* metric) {
  if (!pair.isSet()) return "published";
  const auto one = [](std::optional<double> v, const char* unit) {
    return v ? formatPlain(*v) + " " + unit : std::string("published");
  };
  return one(pair.english, english) + " / " + one(pair.metric, metric);
}

std::string lineText(const SavedLine& l) {
  const char* pressure = l.metric ? " kPa" : " psi";
  return l.name + ": " + l.nozzlePressure + pressure + " at the nozzle, " + l.flow +
         (l.metric ? " L/min" : " gpm") + " through " + l.lines + " x " + l.length +
         (l.metric ? " m" : " ft") + " of " + hoseName(l.hose) + ", " + l.floors + " floors";
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
  DepartmentValues values = readValues(r, file);
  if (r.problem.empty()) r.problem = checkValues(values);
  if (!r.problem.empty()) {
    std::string problem = r.problem;
    if (!problem.empty() && problem.back() != '.') problem += ".";
    problem[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(problem[0])));
    return {std::nullopt, "The file is refused: " + problem};
  }
  return {std::move(values), {}};
}

std::string write(const DepartmentValues& v) {
  Json hoses = Json::array();
  for (std::size_t row = 0; row < v.hoses.size(); ++row) {
    if (!v.hoses[row].english || !v.hoses[row].metric) continue;
    hoses.push_back({{"hose", std::string(kHoses[row].sizeText)},
                     {"english", *v.hoses[row].english},
                     {"metric", *v.hoses[row].metric}});
  }
  Json lines = Json::array();
  for (const SavedLine& l : v.lines) {
    lines.push_back({{"name", l.name},
                     {"units", l.metric ? "metric" : "english"},
                     {"nozzlePressure", l.nozzlePressure},
                     {"flow", l.flow},
                     {"hose", std::string(kHoses[static_cast<std::size_t>(l.hose)].sizeText)},
                     {"lines", l.lines},
                     {"length", l.length},
                     {"floors", l.floors}});
  }
  const Json file = {{"format", kFormat},
                     {"version", kVersion},
                     {"name", v.name},
                     {"inForce", v.inForce},
                     {"hoses", hoses},
                     {"perFloor", pairJson(v.perFloor)},
                     {"pumpLimit", pairJson(v.pumpLimit)},
                     {"lines", lines}};
  return file.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
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
    out.push_back(name + " hose: " + figureText(current.hoses[row], "", "") + " becomes " +
                  figureText(incoming.hoses[row], "", ""));
  }
  if (current.perFloor != incoming.perFloor) {
    out.push_back("Elevation per floor: " + figureText(current.perFloor, "psi", "kPa") +
                  " becomes " + figureText(incoming.perFloor, "psi", "kPa"));
  }
  if (current.pumpLimit != incoming.pumpLimit) {
    out.push_back("Pump pressure limit: " + figureText(current.pumpLimit, "psi", "kPa") +
                  " becomes " + figureText(incoming.pumpLimit, "psi", "kPa"));
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
