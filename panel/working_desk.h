#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculator.h"
#include "department/department_store.h"
#include "department/pump_chart.h"
#include "panel/box_desk.h"
#include "panel/menus.h"

namespace vardel::panel {

// The paper a chart is printed on.
enum class Paper : std::uint8_t { A4, Letter };

// The paper of a locale's region ("en_US.UTF-8", "en-US", "zh-Hant-TW"):
// Letter where the region uses the US paper sizes, else A4.
Paper paperOf(std::string_view locale);

// The boxes that show the numbers behind a result, without a toolkit: the
// working of the result on the display, and the pump chart of a lay. Both
// panels drive one of these, as they drive the Department menu's desk. The
// texts come from the engine (calc/working.h, department/pump_chart.h), with the
// figures in force for the calculator; the desk only lays them out.
class WorkingDesk : public BoxDesk {
 public:
  // `store` offers its saved lines as lays (none without one); `paper` is
  // the paper a chart prints on until the user chooses another; `today`
  // gives the date on the device, as 2026-12-08, for the chart's heading
  // (each front end asks its own clock, so that the engine needs none).
  WorkingDesk(Calculator& calculator, const DepartmentStore* store, Paper paper,
              std::function<std::string()> today);

  // ShowWorking while a result shows; PumpChart always.
  bool enabled(Command command) const;
  // ShowWorking opens the working of the result shown, and does nothing
  // without one; PumpChart opens the chart of the lay last drawn, or of the
  // calculator's units and hose with the default flows and lengths.
  void command(Command command);

  // BoxDesk.
  const Dialog* box() const override { return box_; }
  const std::vector<Shown>& shown() const override { return shown_; }
  void edit(std::string_view name, std::string_view text) override;
  void select(std::string_view name, int row) override;
  std::string activate(std::string_view) override { return {}; }
  std::string press(std::string_view name) override;
  void close() override;

  // What the keys with an output hand to the toolkit: the text Copy puts on
  // the clipboard (the working; the chart as tab-separated text), the chart
  // to print (none while the lay is refused) and its paper.
  std::string copied() const;
  const PumpChart* chart() const { return chart_ ? &*chart_ : nullptr; }
  Paper paper() const { return paper_; }

 private:
  Shown& at(std::string_view name);
  void open(const Dialog& box);
  void openWorking();
  void openChart();
  // Shows a lay in the chart box's fields and lists.
  void showLay(const PumpChartLay& lay);
  // The lay as the chart box's fields and lists hold it.
  PumpChartLay layShown();
  // Draws the chart of the lay shown, or why there is none.
  void drawChart();

  Calculator& calculator_;
  const DepartmentStore* store_;
  Paper paper_;
  std::function<std::string()> today_;
  const Dialog* box_ = nullptr;
  std::vector<Shown> shown_;
  std::optional<PumpChart> chart_;
  std::optional<PumpChartLay> lastLay_;  // the lay of the chart last opened
};

}  // namespace vardel::panel
