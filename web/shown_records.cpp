#include "web/shown_records.h"

#include "web/page_contract.h"

namespace vardel::web {

std::string shownRecords(const std::vector<panel::Shown>& shown) {
  using contract::kGroup, contract::kRecord, contract::kUnit;
  std::string out;
  for (const panel::Shown& each : shown) {
    if (!out.empty()) out += kRecord;
    std::string marked;
    for (const int cell : each.marked) marked += (marked.empty() ? "" : ",") + std::to_string(cell);
    out += each.name + kUnit + each.text + kUnit + each.placeholder + kUnit +
           std::to_string(each.selected) + kUnit + (each.enabled ? '1' : '0') + kUnit +
           std::to_string(each.columns) + kUnit + marked;
    for (const std::string& item : each.items) out += kGroup + item;
  }
  return out;
}

}  // namespace vardel::web
