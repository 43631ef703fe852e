#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/calculator.h"
#include "department/department_store.h"
#include "department/pump_chart.h"
#include "panel/box_desk.h"
#include "panel/printed_page.h"

namespace vardel::panel {

// The desk of the pump chart box (panel/chart_box.h): the chart of a lay
// typed in or taken from a saved line, with the figures in force for the
// calculator (department/pump_chart.h); a lay it cannot key leaves no chart
// to copy or print. The lay stays for the next opening.
class ChartDesk : public BoxDesk {
 public:
  // `store` offers its saved lines as lays (none without one); `paper` is
  // the paper a chart prints on until the user chooses another; `today`
  // gives the date on the device, as 2026-12-08, for the chart's heading
  // (each front end asks its own clock, so that the engine needs none).
  ChartDesk(const Calculator& calculator, const DepartmentStore* store, Paper paper,
            std::function<std::string()> today);

  // Opens the chart of the lay last drawn, or of the calculator's units and
  // hose with the default flows and lengths.
  void openBox();

  // Copy: the chart as tab-separated text; the page: the heading and grid.
  std::string copied() const override;
  std::optional<PrintedPage> page() const override;
  // The chart drawn, or none while the lay is refused.
  const PumpChart* chart() const { return chart_ ? &*chart_ : nullptr; }
  Paper paper() const { return paper_; }

 private:
  void edited(std::string_view name) override;
  void selected(std::string_view name, int row) override;
  void closing() override;

  // Shows a lay in the box's fields and lists.
  void showLay(const PumpChartLay& lay);
  // The lay as the box's fields and lists hold it.
  PumpChartLay layShown() const;
  // Draws the chart of the lay shown, or why there is none.
  void drawChart();

  const Calculator& calculator_;
  const DepartmentStore* store_;
  Paper paper_;
  std::function<std::string()> today_;
  std::optional<PumpChart> chart_;
  std::optional<PumpChartLay> lastLay_;  // the lay of the chart last opened
};

}  // namespace vardel::panel
