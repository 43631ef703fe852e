#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculator.h"
#include "panel/box_desk.h"
#include "panel/printed_page.h"
#include "panel/result_mark.h"
#include "practice/practice_mode.h"

namespace vardel::panel {

// The desk of the practice box (panel/practice_box.h) and of the strip that
// shows the problems while practice is on. The box starts a set by its
// number, in the calculator's units and with the figures in force, and
// prints its worksheet: the problems on one page, the answer key with each
// answer's working on the next. While practice is on, the panel's Enter
// comes here first (panel/desks.h).
class PracticeDesk : public BoxDesk {
 public:
  // `paper` is the paper the worksheet prints on; `today` gives the date on
  // the device for its heading.
  PracticeDesk(Calculator& calculator, Paper paper, std::function<std::string()> today);

  // Opens the box, offering the set after the last one started.
  void openBox();

  bool on() const { return mode_.on(); }
  // Enter at the panel: true when practice took the display as an answer,
  // false when the Enter is the calculator's (practice off, or a
  // calculation in progress).
  bool enter();
  // Leaves practice: the calculator is as practice found it.
  void leave();

  // What the strip's controls show while practice is on; nothing while off.
  const std::vector<Shown>& strip() const { return strip_; }
  // A key of the strip: Leave practice.
  void pressStrip(std::string_view name);

  // While practice is on, the mark inside the display and the window's title.
  static ResultMark mark();
  std::string title() const;

  // The worksheet of the set the box names, none while it names no set.
  std::optional<PrintedPage> page() const override;

 private:
  void edited(std::string_view name) override;
  std::string pressed(std::string_view name) override;

  // The set the box's field names, in the calculator's units and figures.
  std::optional<practice::PracticeSet> setTyped() const;
  practice::Tolerance tolerance() const;
  // What the box says of the set typed, and which of its keys act.
  void describe();
  void drawStrip();

  Calculator& calculator_;
  Paper paper_;
  std::function<std::string()> today_;
  practice::PracticeMode mode_;
  std::uint32_t offered_ = practice::kFirstSet;
  std::vector<Shown> strip_;
};

}  // namespace vardel::panel
