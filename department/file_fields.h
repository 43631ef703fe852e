#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "calc/department_values.h"

// The kinds of field the department file's objects hold, and the reader
// that checks them. Each object of the file is one table of fields
// (department/department_file.cpp); a field's row says how it is read and
// written, so that the reader and the writer follow the same table.
namespace vardel::department_file {

// Ordered, so that a file is written with its fields in the documented order.
using Json = nlohmann::ordered_json;

// The deepest nesting a file has is 9 (the object, its lays, a lay, its
// discharges, a discharge, its branches, a branch, its hose, its rise);
// anything much deeper is refused before it is parsed, so that no file can
// exhaust the stack.
inline constexpr int kDeepest = 12;
int nesting(std::string_view text);

class Reader;

// One field of an object: its name in the file, how a refusal names it,
// how it is read into and written from the record the object holds, and
// the file version that brought it in.
template <typename Record>
struct Field {
  std::string_view name;
  std::string_view what;
  void (*read)(Reader&, const Json&, Record&, const std::string& what);
  Json (*write)(const Record&);
  // The file version that brought the field: a file of an older version
  // has none, and one of that version or later may leave it out (a field
  // of version 1 it must hold); the record then keeps its default. The
  // writer writes every field.
  int since = 1;
};

// A row of a table for a field that version `version` of the file brought.
template <typename Record>
constexpr Field<Record> since(int version, Field<Record> row) {
  row.since = version;
  return row;
}

// Reads values of each kind; the first problem met is kept and every later
// read does nothing.
class Reader {
 public:
  std::string problem;
  int version = 1;  // of the file being read: which fields its objects hold

  std::string text(const Json& value, std::string_view what);
  double number(const Json& value, std::string_view what);
  bool flag(const Json& value, std::string_view what);
  // A hose key by its size text.
  std::int16_t hose(const Json& value, std::string_view what);
  // A figure in both unit systems, or null where none is set.
  UnitPair pair(const Json& value, std::string_view what);
  // The unit system a line was keyed in, "english" or "metric": true for metric.
  bool units(const Json& value, std::string_view what);
  bool fail(std::string what);

  // An object whose fields are exactly `names`.
  template <typename Names>
  bool object(const Json& value, std::string_view where, const Names& names) {
    return object(value, where, names, names);
  }
  // An object that holds every field of `required` and none but `known`.
  template <typename Names>
  bool object(const Json& value, std::string_view where, const Names& required,
              const Names& known) {
    if (!problem.empty()) return false;
    if (!value.is_object()) return fail(std::string(where) + " is not an object");
    for (const std::string_view name : required) {
      if (!value.contains(std::string(name))) {
        return fail("the field \"" + std::string(name) + "\" is missing from " +
                    std::string(where));
      }
    }
    for (auto each = value.begin(); each != value.end(); ++each) {
      if (std::find(known.begin(), known.end(), each.key()) == known.end()) {
        return fail("the field \"" + each.key() + "\" of " + std::string(where) + " is not known");
      }
    }
    return true;
  }

  // An object whose fields are exactly those of `fields`, read into `out`
  // in their order; `place` says where a field stands, after its `what`,
  // once the fields before it are read.
  // Only the fields of the file's version count; one a later version
  // brought may be left out.
  template <typename Record, std::size_t N>
  bool record(const Json& value, std::string_view where, const std::array<Field<Record>, N>& fields,
              Record& out, std::type_identity_t<std::string (*)(const Record&)> place = nullptr) {
    std::vector<std::string_view> required, known;
    for (const Field<Record>& field : fields) {
      if (field.since > version) continue;
      known.push_back(field.name);
      if (field.since == 1) required.push_back(field.name);
    }
    if (!object(value, where, required, known)) return false;
    for (const Field<Record>& field : fields) {
      if (!problem.empty()) break;
      if (field.since > version || !value.contains(std::string(field.name))) continue;
      const std::string what = std::string(field.what) + (place ? place(out) : std::string());
      field.read(*this, value[std::string(field.name)], out, what);
    }
    return problem.empty();
  }
};

template <typename Record, std::size_t N>
Json writeRecord(const std::array<Field<Record>, N>& fields, const Record& record) {
  Json out = Json::object();
  for (const Field<Record>& field : fields) out[std::string(field.name)] = field.write(record);
  return out;
}

// The record a member pointer belongs to, and the member's type.
template <typename Member, typename Record>
Record recordOf(Member Record::*);
template <auto member>
using RecordOf = decltype(recordOf(member));
template <typename Member, typename Record>
Member memberOf(Member Record::*);
template <auto member>
using MemberOf = decltype(memberOf(member));

// How a value is written: as it is, a hose key by its size text, a pair as
// an object or null, a unit system by its name.
template <typename Value>
Json plainJson(const Value& value) {
  return Json(value);
}
Json hoseJson(std::int16_t row);
Json pairJson(const UnitPair& pair);
Json unitsJson(bool metric);

// A row of a table: the member it fills, the reader's method that reads it
// and how it is written.
template <auto member, auto read, auto write = &plainJson<MemberOf<member>>>
constexpr Field<RecordOf<member>> field(std::string_view name, std::string_view what) {
  using R = RecordOf<member>;
  return {
      name, what,
      [](Reader& r, const Json& v, R& out, const std::string& w) { out.*member = (r.*read)(v, w); },
      [](const R& in) { return write(in.*member); }};
}

}  // namespace vardel::department_file
