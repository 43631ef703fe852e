#include "department/kept_file.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "calc/hose_table.h"
#include "calc/lay.h"
#include "core/number_text.h"
#include "department/department_file.h"
#include "department/file_names.h"
#include "department/rules.h"

namespace vardel::kept_file {
namespace {

namespace names = department_file::names;

// The bytes that may follow a UTF-8 lead byte as RFC 3629 allows them: how
// many, and the range of the first (the others lie in 80 to BF).
struct Sequence {
  int follow = 0;
  unsigned char low = 0, high = 0;
};

Sequence sequenceOf(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {1, 0x80, 0xBF};
  if (lead == 0xE0) return {2, 0xA0, 0xBF};
  if (lead == 0xED) return {2, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {2, 0x80, 0xBF};
  if (lead == 0xF0) return {3, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {3, 0x80, 0xBF};
  if (lead == 0xF4) return {3, 0x80, 0x8F};
  return {};
}

// Walks the text token by token; once anything is not as the writer writes
// it, every later read fails too and the text is left to the full reader.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool ok() const { return ok_; }
  bool atEnd() {
    skipBlanks();
    return ok_ && at_ == text_.size();
  }
  // Takes `token` when it comes next, after blanks.
  bool take(std::string_view token) {
    skipBlanks();
    if (!ok_ || text_.substr(at_, token.size()) != token) return false;
    at_ += token.size();
    return true;
  }
  void expect(std::string_view token) {
    if (!take(token)) ok_ = false;
  }
  void fail() { ok_ = false; }

  // "name": after a comma unless it is the object's first field.
  void field(std::string_view name, bool first = false) {
    if (!first) expect(",");
    expect("\"");
    const std::size_t end = at_ + name.size();
    if (!ok_ || text_.substr(at_, name.size()) != name || end >= text_.size() ||
        text_[end] != '"') {
      return fail();
    }
    at_ = end + 1;
    expect(":");
  }

  std::string text() {
    std::string out;
    expect("\"");
    while (ok_) {
      if (at_ >= text_.size()) return fail(), out;
      const auto c = static_cast<unsigned char>(text_[at_++]);
      if (c == '"') break;
      if (c == '\\') {
        const char escaped = at_ < text_.size() ? text_[at_++] : '\0';
        if (escaped != '"' && escaped != '\\') fail();
        out += escaped;
      } else if (c < 0x20) {
        fail();
      } else {
        out += static_cast<char>(c);
        if (c >= 0x80) sequence(c, out);
      }
    }
    return out;
  }

  // A minus where the number is below zero, digits, a point and digits: at
  // most 32 characters, read as the calculator reads a number (to the
  // nearest double, as the full reader).
  double number() {
    skipBlanks();
    const std::size_t start = at_;
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    const std::size_t first = at_;
    const std::size_t whole = digits();
    if (whole == 0 || (whole > 1 && text_[first] == '0')) fail();
    if (at_ < text_.size() && text_[at_] == '.') {
      ++at_;
      if (digits() == 0) fail();
    }
    const std::string_view token = text_.substr(start, at_ - start);
    const std::optional<double> value =
        ok_ && token.size() <= 32 ? readStrict(token) : std::nullopt;
    if (!value) fail();
    return value.value_or(0);
  }

  bool flag() {
    if (take("true")) return true;
    expect("false");
    return false;
  }

 private:
  void skipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t')) {
      ++at_;
    }
  }
  std::size_t digits() {
    const std::size_t from = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    return at_ - from;
  }
  // The bytes after a lead byte of a code point beyond ASCII.
  void sequence(unsigned char lead, std::string& out) {
    const Sequence s = sequenceOf(lead);
    if (s.follow == 0 || at_ + static_cast<std::size_t>(s.follow) > text_.size()) return fail();
    for (int i = 0; i < s.follow; ++i) {
      const auto b = static_cast<unsigned char>(text_[at_++]);
      if (b < (i == 0 ? s.low : 0x80) || b > (i == 0 ? s.high : 0xBF)) fail();
      out += static_cast<char>(b);
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

// A list, each of its items read by `item`.
template <typename Item>
void list(Cursor& c, Item item) {
  c.expect("[");
  if (c.take("]")) return;
  do {
    item();
  } while (c.ok() && c.take(","));
  c.expect("]");
}

std::int16_t hose(Cursor& c) {
  const std::string size = c.text();
  for (std::size_t row = 0; row < kHoses.size(); ++row) {
    if (kHoses[row].sizeText == size) return static_cast<std::int16_t>(row);
  }
  c.fail();
  return 0;
}

// The `english` and `metric` figures of a pair, `first` when they open
// their object.
void englishAndMetric(Cursor& c, UnitPair& p, bool first) {
  c.field(names::kEnglish, first);
  p.english = c.number();
  c.field(names::kMetric);
  p.metric = c.number();
}

UnitPair pair(Cursor& c) {
  if (c.take("null")) return {};
  UnitPair p;
  c.expect("{");
  englishAndMetric(c, p, true);
  c.expect("}");
  return p;
}

void hoseEntry(Cursor& c, DepartmentValues& v) {
  c.expect("{");
  c.field(names::kHose, true);
  UnitPair& figures = v.hoses[static_cast<std::size_t>(hose(c))];
  if (figures.isSet()) c.fail();  // listed twice: the full reader refuses it
  englishAndMetric(c, figures, false);
  c.expect("}");
}

// The "units" of a saved line or lay: metric or English, and no other word.
bool metricUnits(Cursor& c) {
  c.field(names::kUnits);
  const std::string units = c.text();
  if (units != names::kEnglish && units != names::kMetric) c.fail();
  return units == names::kMetric;
}

void line(Cursor& c, DepartmentValues& v) {
  if (v.lines.size() == bounds::kMostLines) return c.fail();
  SavedLine& l = v.lines.emplace_back();
  c.expect("{");
  c.field(names::kName, true);
  l.name = c.text();
  l.metric = metricUnits(c);
  c.field(names::kNozzlePressure);
  l.nozzlePressure = c.text();
  c.field(names::kFlow);
  l.flow = c.text();
  c.field(names::kHose);
  l.hose = hose(c);
  c.field(names::kLines);
  l.lines = c.text();
  c.field(names::kLength);
  l.length = c.text();
  c.field(names::kFloors);
  l.floors = c.text();
  c.expect("}");
}

// One of an enumeration's `names`, as its value.
template <typename Enum, std::size_t N>
Enum choice(Cursor& c, const std::array<std::string_view, N>& names) {
  const std::string text = c.text();
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == text) return static_cast<Enum>(i);
  }
  c.fail();
  return Enum{};
}

Elevation elevation(Cursor& c) {
  Elevation e;
  c.expect("{");
  c.field(names::kUnit, true);
  e.unit = choice<ElevationUnit>(c, names::kElevationUnits);
  c.field(names::kAmount);
  e.amount = c.number();
  c.expect("}");
  return e;
}

Segment segment(Cursor& c) {
  Segment s;
  c.expect("{");
  c.field(names::kSize, true);
  s.hose = hose(c);
  c.field(names::kLines);
  s.lines = c.number();
  c.field(names::kLength);
  s.length = c.number();
  c.field(names::kRise);
  s.rise = elevation(c);
  c.expect("}");
  return s;
}

Nozzle nozzle(Cursor& c) {
  Nozzle n;
  c.expect("{");
  c.field(names::kKind, true);
  n.kind = choice<NozzleKind>(c, names::kNozzleKinds);
  c.field(names::kPressure);
  n.pressure = c.number();
  c.field(names::kFlow);
  n.flow = c.number();
  c.field(names::kTip);
  n.tip = c.number();
  c.expect("}");
  return n;
}

void branch(Cursor& c, Discharge& d) {
  if (d.branches.size() == kMostBranches) return c.fail();
  Line& l = d.branches.emplace_back();
  c.expect("{");
  c.field(names::kHose, true);
  l.hose = segment(c);
  c.field(names::kNozzle);
  l.nozzle = nozzle(c);
  c.expect("}");
}

void discharge(Cursor& c, Lay& lay) {
  if (lay.discharges.size() == kMostDischarges) return c.fail();
  Discharge& d = lay.discharges.emplace_back();
  c.expect("{");
  c.field(names::kAppliance, true);
  d.appliance = choice<Appliance>(c, names::kAppliances);
  c.field(names::kHose);
  d.hose = segment(c);
  c.field(names::kNozzle);
  d.nozzle = nozzle(c);
  c.field(names::kApplianceRise);
  d.applianceRise = elevation(c);
  c.field(names::kBranches);
  list(c, [&] { branch(c, d); });
  c.expect("}");
}

void lay(Cursor& c, DepartmentValues& v) {
  if (v.lays.size() == bounds::kMostLays) return c.fail();
  Lay& l = v.lays.emplace_back();
  l.discharges.clear();
  c.expect("{");
  c.field(names::kName, true);
  l.name = c.text();
  l.metric = metricUnits(c);
  c.field(names::kDischarges);
  list(c, [&] { discharge(c, l); });
  c.expect("}");
}

// The appliance losses, the pump's rating and the practice tolerance, in the
// file's order.
constexpr std::array<std::pair<std::string_view, UnitPair DepartmentValues::*>, 7> kPairs = {{
    {names::kWyeFrom, &DepartmentValues::wyeFrom},
    {names::kWyeLoss, &DepartmentValues::wyeLoss},
    {names::kStandpipeLoss, &DepartmentValues::standpipeLoss},
    {names::kMasterStreamLoss, &DepartmentValues::masterStreamLoss},
    {names::kRatedFlow, &DepartmentValues::ratedFlow},
    {names::kIntake, &DepartmentValues::intake},
    {names::kPracticeTolerance, &DepartmentValues::practiceTolerance},
}};

}  // namespace

std::optional<DepartmentValues> read(std::string_view text) {
  if (text.size() > department_file::kLargest) return std::nullopt;
  Cursor c(text);
  DepartmentValues v;
  c.expect("{");
  c.field(names::kFormat, true);
  if (c.text() != department_file::kFormat) c.fail();
  c.field(names::kVersion);
  // Version 1 was written without the fields that version 2 brought.
  const bool first = c.take("1");
  if (!first) c.expect(std::to_string(department_file::kVersion));
  c.field(names::kName);
  v.name = c.text();
  if (!first) {
    c.field(names::kIssued);
    if (!c.take("null")) {
      v.issued = c.text();
      if (!isDay(v.issued)) c.fail();
    }
  }
  c.field(names::kInForce);
  v.inForce = c.flag();
  c.field(names::kHoses);
  list(c, [&] { hoseEntry(c, v); });
  c.field(names::kPerFloor);
  v.perFloor = pair(c);
  c.field(names::kPumpLimit);
  v.pumpLimit = pair(c);
  c.field(names::kLines);
  list(c, [&] { line(c, v); });
  if (!first) {
    for (const auto& [name, member] : kPairs) {
      c.field(name);
      v.*member = pair(c);
    }
    c.field(names::kLays);
    list(c, [&] { lay(c, v); });
  }
  c.expect("}");
  if (!c.atEnd() || !checkValues(v).empty()) return std::nullopt;
  return v;
}

}  // namespace vardel::kept_file
