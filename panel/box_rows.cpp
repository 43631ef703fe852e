#include "panel/box_rows.h"

#include <deque>

#include "panel/colours.h"

namespace vardel::panel::box_rows {

std::string_view keep(std::string text) {
  // A deque never moves what it holds.
  static std::deque<std::string> kept;
  return kept.emplace_back(std::move(text));
}

Control label(std::string_view name, std::string_view caption, TwipsRect at, bool wrap) {
  return {.name = name,
          .kind = Kind::Label,
          .caption = caption,
          .at = at,
          .fore = colours::kBlack,
          .wrap = wrap};
}

Control field(std::string_view name, TwipsRect at, int tab, std::string_view spoken,
              std::int16_t index) {
  return {.name = name,
          .kind = Kind::Field,
          .at = at,
          .back = colours::kWhite,
          .fore = colours::kBlack,
          .tab = tab,
          .index = index,
          .accessibleName = spoken};
}

Control list(std::string_view name, TwipsRect at, int tab, std::string_view spoken, bool dropDown) {
  return {.name = name,
          .kind = Kind::List,
          .at = at,
          .back = colours::kWhite,
          .fore = colours::kBlack,
          .tab = tab,
          .dropDown = dropDown,
          .accessibleName = spoken};
}

Control button(std::string_view name, std::string_view caption, int left, int top, int tab) {
  return {.name = name,
          .kind = Kind::Key,
          .caption = caption,
          .at = {left, top, kButtonWidth, kButtonHeight},
          .tab = tab,
          .accessibleName = caption};
}

Control cancelButton(std::string_view name, std::string_view caption, int left, int top, int tab) {
  Control row = button(name, caption, left, top, tab);
  row.closesBox = true;
  return row;
}

Control defaultButton(std::string_view name, std::string_view caption, int left, int top, int tab) {
  Control row = button(name, caption, left, top, tab);
  row.defaultKey = true;
  return row;
}

Control outputKey(std::string_view name, std::string_view caption, int left, int top, int tab,
                  Output output) {
  Control row = button(name, caption, left, top, tab);
  row.output = output;
  return row;
}

Control text(std::string_view name, TwipsRect at, int tab, std::string_view spoken) {
  return {.name = name,
          .kind = Kind::Text,
          .at = at,
          .back = colours::kWhite,
          .fore = colours::kBlack,
          .tab = tab,
          .accessibleName = spoken};
}

Control grid(std::string_view name, TwipsRect at, int tab, std::string_view spoken) {
  Control row = text(name, at, tab, spoken);
  row.kind = Kind::Grid;
  return row;
}

Control rule(std::int16_t index, int y) {
  return {.name = "Line1",
          .kind = Kind::Line,
          .line = {kLeft, y, kWidth - kLeft, y},
          .fore = colours::kBevelShadow,
          .index = index};
}

}  // namespace vardel::panel::box_rows
