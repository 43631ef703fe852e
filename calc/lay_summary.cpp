#include "calc/lay_summary.h"

#include "calc/hose_table.h"
#include "calc/lay_check.h"
#include "calc/lay_working.h"
#include "calc/unit_text.h"
#include "core/number_text.h"

namespace vardel {
namespace {

constexpr const char* kTotal = "Total";

class Summary {
 public:
  Summary(const Lay& lay, const LayResult& r) : lay_(lay), r_(r), u_(unitNames(lay.metric)) {}

  std::vector<SummaryRow> write() {
    for (std::size_t i = 0; i < lay_.discharges.size(); ++i) discharge(i);
    out_.push_back({kTotal, "", flow(r_.totalFlow), ""});
    return std::move(out_);
  }

 private:
  std::string unit(std::string_view name) const { return " " + std::string(name); }
  std::string pressure(double value) const { return roundedText(value) + unit(u_.pressure); }
  std::string flow(double value) const { return roundedText(value) + unit(u_.flow); }

  std::string hose(const Segment& s) const {
    return formatPlain(s.length) + unit(u_.length) + " of " + hoseName(s.hose) +
           (s.lines == 1 ? "" : " × " + formatPlain(s.lines));
  }

  std::string line(const Line& l) const {
    const Nozzle& z = l.nozzle;
    const std::string nozzle = z.kind == NozzleKind::Tip
                                   ? "tip " + formatPlain(z.tip) + unit(u_.diameter)
                                   : "fog " + formatPlain(z.flow) + unit(u_.flow);
    return hose(l.hose) + ", " + nozzle + " at " + formatPlain(z.pressure) + unit(u_.pressure);
  }

  std::string setting(const DischargeResult& d) const {
    return d.governs ? "sets the pump pressure, " + pressure(d.atPump)
                     : "gate to " + pressure(d.atPump);
  }

  void discharge(std::size_t index) {
    const Discharge& d = lay_.discharges[index];
    const DischargeResult& r = r_.discharges[index];
    const std::string name = dischargeName(index);
    if (d.appliance == Appliance::None) {
      out_.push_back({name, line({d.hose, d.nozzle}), flow(r.flow), setting(r)});
      return;
    }
    const std::string appliance = applianceName(d.appliance);
    out_.push_back({name, hose(d.hose) + " to a " + appliance, flow(r.flow), setting(r)});
    for (std::size_t i = 0; i < d.branches.size(); ++i) {
      const NozzleResult& z = r.nozzles[i];
      out_.push_back({name + std::to_string(i + 1), line(d.branches[i]), flow(z.flow),
                      z.gatedAtAppliance
                          ? "gate at the " + appliance + " to " + pressure(z.atAppliance)
                          : pressure(z.atAppliance) + " at the " + appliance});
    }
  }

  const Lay& lay_;
  const LayResult& r_;
  const UnitNames& u_;
  std::vector<SummaryRow> out_;
};

}  // namespace

std::string SummaryRow::text() const {
  if (label == kTotal) return "Total flow " + flow;
  return label + ": " + description + "; " + flow + "; " + setting;
}

std::vector<SummaryRow> laySummary(const Lay& lay, const LayResult& result) {
  if (!result.problem.empty() || result.discharges.size() != lay.discharges.size()) return {};
  return Summary(lay, result).write();
}

std::vector<std::string> summaryLines(const std::vector<SummaryRow>& rows) {
  std::vector<std::string> lines;
  for (const SummaryRow& row : rows) lines.push_back(row.text());
  return lines;
}

}  // namespace vardel
