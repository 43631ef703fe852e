#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calc/lay.h"
#include "core/calculator.h"
#include "department/department_store.h"
#include "panel/box_desk.h"
#include "panel/printed_page.h"

namespace vardel::panel {

// The desk of the Lays box (panel/lays_box.h). It keeps the lay being
// built, always one that makes sense: a typed figure that would break it is
// told in the result and taken by nothing, a key that would break it is
// refused with a message, and the lay stays as it was. Show puts its pump
// pressure on the display (calc/lay_display.h); Save keeps it under its
// name with the department's lays, a lay of the same name replaced; the
// card prints every saved line and lay (department/pump_card.h). The lay
// stays for the next opening.
class LaysDesk : public BoxDesk {
 public:
  // `paper` and `today` as the pump chart's (panel/chart_desk.h).
  LaysDesk(DepartmentStore& store, Calculator& calculator, Paper paper,
           std::function<std::string()> today);

  void openBox();

  // The pump panel card, while the department keeps a line or a lay.
  std::optional<PrintedPage> page() const override;
  const Lay& lay() const { return lay_; }

 private:
  void edited(std::string_view name) override;
  void selected(std::string_view name, int row) override;
  std::string pressed(std::string_view key) override;

  void drawSaved();
  void draw();
  void drawEditor();
  void drawResult();
  // Makes `edit` on the lay where it keeps the lay whole; else says why.
  template <typename Edit>
  std::string change(Edit&& edit);
  std::string show();
  std::string save();
  std::string deleteLay();

  DepartmentStore& store_;
  Calculator& calculator_;
  Paper paper_;
  std::function<std::string()> today_;
  Lay lay_;
  std::size_t discharge_ = 0, branch_ = 0;  // the ones the editor shows
  std::string problem_;                     // why the fields as typed make no lay
};

}  // namespace vardel::panel
