#include "panel/about_box.h"

#include <array>
#include <string>

#include "core/app_info.h"
#include "panel/colours.h"

namespace vardel::panel {
namespace {

constexpr std::string_view kDescription =
    "The Vardel is programmed to provide answers to typical fireground situations under normal "
    "and reasonable conditions. The calculator was designed to provide advanced prompting "
    "programs and basic mathematical functions as well.";

// "Version " and the version's three numbers, each in plain digits.
std::string versionText() {
  return "Version " + std::to_string(app_info::kVersionMajor) + "." +
         std::to_string(app_info::kVersionMinor) + "." + std::to_string(app_info::kVersionRevision);
}

// Black text in the window's default font, left and top aligned.
Control label(std::string_view name, std::string_view text, TwipsRect at, int tab) {
  return {.name = name,
          .kind = Kind::Label,
          .caption = text,
          .at = at,
          .fore = colours::kBlack,
          .tab = tab};
}

// One element of the line array Line1.
Control rule(std::int16_t index, TwipsLine line, int thickness, std::uint32_t rgb) {
  return {.name = "Line1",
          .kind = Kind::Line,
          .line = line,
          .fore = rgb,
          .index = index,
          .thickness = thickness};
}

}  // namespace

std::string aboutItemCaption() { return std::string("&About ") + app_info::kTitle; }

const Dialog& aboutBox() {
  static const std::string version = versionText();
  static const std::array controls = {
      Control{.name = "Image1",
              .kind = Kind::Image,
              .at = {360, 240, 480, 480},  // the 32 x 32 icon at its own size
              .picture = Picture::Icon,
              .accessibleName = "Program icon"},
      label("lblTitle", app_info::kTitle, {1050, 240, 3885, 480}, 3),
      label("lblVersion", version, {1050, 780, 3885, 225}, 4),
      [] {
        Control description = label("lblDescription", kDescription, {1050, 1125, 3885, 1170}, 1);
        description.wrap = true;
        return description;
      }(),
      // The etched rule between description and warning: a grey line one
      // pixel high over a white one two pixels high, 15 twips lower.
      rule(1, {90, 2445, 5654, 2445}, 1, colours::kBevelShadow),
      rule(0, {105, 2460, 5654, 2460}, 2, colours::kBevelLight),
      label("lblDisclaimer", "Warning: ...", {255, 2625, 3870, 825}, 2),
      Control{.name = "cmdOK",
              .kind = Kind::Key,
              .caption = "OK",
              .at = {4245, 3000, 1260, 345},
              .tab = 0,
              .closesBox = true,
              .defaultKey = true},
  };
  static const Dialog box{.name = "frmAbout",
                          .title = std::string("About ") + app_info::kTitle,
                          .widthTwips = 5730,
                          .heightTwips = 3555,
                          .controls = controls};
  return box;
}

}  // namespace vardel::panel
