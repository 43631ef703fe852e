#include "panel/card_page.h"

#include "panel/file_choice.h"
#include "panel/result_mark.h"

namespace vardel::panel {
namespace {

constexpr std::size_t kColumns = 5;

void row(PrintedPage& page, std::initializer_list<std::string> cells) {
  page.cells.insert(page.cells.end(), cells);
}

}  // namespace

PrintedPage cardPage(const PumpCard& card, Paper paper) {
  PrintedPage page;
  page.heading.push_back(card.title);
  page.heading.insert(page.heading.end(), card.footer.begin(), card.footer.end());
  page.columns = kColumns;
  page.textColumns = 3;
  page.paper = paper;
  page.pdf = &kCardPdfFile;
  row(page, {"Line or lay", "", "Hose and nozzle", "Flow", "Pump pressure, or gate"});
  for (const CardEntry& e : card.entries) {
    const std::string mark = markOf(e.departmentUsed, {}, e.overLimit, e.overCapacity).shown;
    if (e.overLimit || e.overCapacity) {
      page.marked.push_back(static_cast<int>(page.cells.size() + kColumns - 1));
    }
    const std::string pressure = e.pumpPressure + (mark.empty() ? "" : " " + mark);
    if (!e.lay) {
      const SummaryRow& line = e.rows.front();
      row(page, {e.name, "line", line.description, line.flow, pressure});
      continue;
    }
    const std::string total = e.rows.empty() ? std::string() : e.rows.back().flow;
    row(page, {e.name, "lay", "", total, pressure});
    for (std::size_t i = 0; i + 1 < e.rows.size(); ++i) {
      const SummaryRow& r = e.rows[i];
      row(page, {"", r.label, r.description, r.flow, r.setting});
    }
  }
  return page;
}

}  // namespace vardel::panel
