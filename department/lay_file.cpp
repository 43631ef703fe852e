#include "department/lay_file.h"

#include "department/file_names.h"
#include "department/rules.h"

namespace vardel::department_file {
namespace {

using names::kAppliances;
using names::kElevationUnits;
using names::kNozzleKinds;

// A field holding one of `names`.
template <auto member, const auto& names>
constexpr Field<RecordOf<member>> choice(std::string_view name, std::string_view what) {
  using R = RecordOf<member>;
  return {
      name, what,
      [](Reader& r, const Json& v, R& out, const std::string& w) {
        const std::string text = r.text(v, w);
        const auto it = std::find(names.begin(), names.end(), text);
        if (it == names.end()) {
          r.fail(w + " \"" + text + "\" is not known");
          return;
        }
        out.*member = static_cast<MemberOf<member>>(it - names.begin());
      },
      [](const R& in) { return Json(std::string(names[static_cast<std::size_t>(in.*member)])); }};
}

// A field holding an object of the table `fields`.
template <auto member, const auto& fields>
constexpr Field<RecordOf<member>> nested(std::string_view name, std::string_view what) {
  using R = RecordOf<member>;
  return {name, what,
          [](Reader& r, const Json& v, R& out, const std::string& w) {
            r.record(v, w, fields, out.*member);
          },
          [](const R& in) { return writeRecord(fields, in.*member); }};
}

// A field holding a list of objects of the table `fields`.
template <auto member, const auto& fields>
constexpr Field<RecordOf<member>> listOf(std::string_view name, std::string_view what) {
  using R = RecordOf<member>;
  return {name, what,
          [](Reader& r, const Json& v, R& out, const std::string& w) {
            if (!v.is_array()) return (void)r.fail(w + " are not a list");
            for (const Json& each : v) {
              if (!r.record(each, w, fields, (out.*member).emplace_back())) return;
            }
          },
          [](const R& in) {
            Json list = Json::array();
            for (const auto& each : in.*member) list.push_back(writeRecord(fields, each));
            return list;
          }};
}

constexpr std::array<Field<Elevation>, 2> kElevationFields = {{
    choice<&Elevation::unit, kElevationUnits>(names::kUnit, "the unit of a rise"),
    field<&Elevation::amount, &Reader::number>(names::kAmount, "a rise"),
}};

constexpr std::array<Field<Segment>, 4> kSegmentFields = {{
    field<&Segment::hose, &Reader::hose, &hoseJson>(names::kSize, "the hose"),
    field<&Segment::lines, &Reader::number>(names::kLines, "the lines"),
    field<&Segment::length, &Reader::number>(names::kLength, "the length"),
    nested<&Segment::rise, kElevationFields>(names::kRise, "the rise"),
}};

constexpr std::array<Field<Nozzle>, 4> kNozzleFields = {{
    choice<&Nozzle::kind, kNozzleKinds>(names::kKind, "the kind of nozzle"),
    field<&Nozzle::pressure, &Reader::number>(names::kPressure, "the nozzle pressure"),
    field<&Nozzle::flow, &Reader::number>(names::kFlow, "the flow"),
    field<&Nozzle::tip, &Reader::number>(names::kTip, "the tip"),
}};

constexpr std::array<Field<Line>, 2> kBranchFields = {{
    nested<&Line::hose, kSegmentFields>(names::kHose, "the hose of a branch"),
    nested<&Line::nozzle, kNozzleFields>(names::kNozzle, "the nozzle of a branch"),
}};

constexpr std::array<Field<Discharge>, 5> kDischargeFields = {{
    choice<&Discharge::appliance, kAppliances>(names::kAppliance, "the appliance"),
    nested<&Discharge::hose, kSegmentFields>(names::kHose, "the hose of a discharge"),
    nested<&Discharge::nozzle, kNozzleFields>(names::kNozzle, "the nozzle of a discharge"),
    nested<&Discharge::applianceRise, kElevationFields>(names::kApplianceRise,
                                                        "the appliance's rise"),
    listOf<&Discharge::branches, kBranchFields>(names::kBranches, "the branches"),
}};

std::string placeOf(const Lay& lay) {
  return lay.name.empty() ? std::string() : " of the lay " + lay.name;
}

constexpr std::array<Field<Lay>, 3> kLayFields = {{
    field<&Lay::name, &Reader::text>(names::kName, "a lay's name"),
    field<&Lay::metric, &Reader::units, &unitsJson>(names::kUnits, "the units"),
    listOf<&Lay::discharges, kDischargeFields>(names::kDischarges, "the discharges"),
}};

}  // namespace

void readLays(Reader& r, const Json& list, DepartmentValues& values, const std::string&) {
  if (!list.is_array()) return (void)r.fail("the saved lays are not a list");
  if (list.size() > bounds::kMostLays) {
    return (void)r.fail("it holds more than " + std::to_string(bounds::kMostLays) + " saved lays");
  }
  for (const Json& each : list) {
    Lay& lay = values.lays.emplace_back();
    lay.discharges.clear();
    if (!r.record(each, "a saved lay", kLayFields, lay, placeOf)) return;
  }
}

Json writeLays(const DepartmentValues& values) {
  Json list = Json::array();
  for (const Lay& lay : values.lays) list.push_back(writeRecord(kLayFields, lay));
  return list;
}

}  // namespace vardel::department_file
