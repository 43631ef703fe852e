#include "panel/main_window.h"

#include <array>

#include "core/power_keys.h"
#include "panel/colours.h"
#include "panel/hose_keys.h"

namespace vardel::panel {
namespace {

using namespace colours;

constexpr Font kDefault{};
constexpr Font kArial6{"Arial", 6};
constexpr Font kArial6_75{"Arial", 6.75};
constexpr Font kArial8_25{"Arial", 8.25};
constexpr Font kArial9{"Arial", 9};
constexpr Font kArial9_75{"Arial", 9.75};
constexpr Font kArial11_25{"Arial", 11.25};
constexpr Font kArial12{"Arial", 12};
constexpr Font kArial14_25{"Arial", 14.25};
constexpr Font kArial15_75{"Arial", 15.75};

constexpr bool kDisabled = false;
constexpr bool kHidden = false;

// A key of the window or of a frame; keys are black text on a flat face.
constexpr Control key(std::string_view name, std::string_view caption, TwipsRect at, Font font,
                      std::uint32_t face, int tab, Key emits, std::string_view spoken,
                      bool enabled = true, bool visible = true, std::string_view parent = {}) {
  return {.name = name,
          .kind = Kind::Key,
          .parent = parent,
          .caption = caption,
          .at = at,
          .font = font,
          .back = face,
          .fore = kBlack,
          .align = Align::Centre,
          .tab = tab,
          .enabled = enabled,
          .visible = visible,
          .key = emits,
          .accessibleName = spoken};
}

// The keys of the two nozzle groups: designed disabled, inside their frame.
constexpr Control nozzleKey(std::string_view name, std::string_view caption, std::string_view frame,
                            int left, int tab, KeyKind emits, std::string_view spoken) {
  return key(name, caption, {left, 360, 735, 375}, kArial6, kLightBlue, tab, Key{emits}, spoken,
             kDisabled, true, frame);
}

constexpr Control keypadKey(std::string_view name, std::string_view caption, int left, int top,
                            Font font, int tab, Key emits, std::string_view spoken) {
  return key(name, caption, {left, top, 735, 375}, font, kLightBlue, tab, emits, spoken);
}

// The key arrays Command1 (digits and point) and command2 (operators): each
// member carries its index, which is also the index of the key it emits.
constexpr Control arrayKey(Control control) {
  control.index = control.key->index;
  return control;
}

constexpr Control digitKey(std::int16_t index, int left, int top, Font font, int tab,
                           std::string_view spoken) {
  return arrayKey(keypadKey("Command1", kDigitCaptions[static_cast<std::size_t>(index)], left, top,
                            font, tab, vardel::digitKey(index), spoken));
}

constexpr Control operatorKey(Operator op, int left, int top, Font font, int tab,
                              std::string_view spoken) {
  return arrayKey(keypadKey("command2", captionOf(op), left, top, font, tab, keyOf(op), spoken));
}

constexpr Control label(std::string_view name, std::string_view parent, std::string_view caption,
                        TwipsRect at, Font font, int tab) {
  return {.name = name,
          .kind = Kind::Label,
          .parent = parent,
          .caption = caption,
          .at = at,
          .font = font,
          .fore = kBlack,
          .align = Align::Centre,
          .tab = tab};
}

// Hose keys and their metric labels take name and caption from the hose
// keys' table, row for row with the logic's hose table.
constexpr Control hoseKey(std::int16_t index, int left, int top, int tab, std::string_view spoken) {
  const HoseKey& hose = kHoseKeys[static_cast<std::size_t>(index)];
  return key(hose.keyName, kHoses[static_cast<std::size_t>(index)].caption, {left, top, 855, 255},
             kDefault, kWhite, tab, Key{KeyKind::Hose, index}, spoken);
}

constexpr Control hoseLabel(std::int16_t index, int left, int top, int tab) {
  const HoseKey& hose = kHoseKeys[static_cast<std::size_t>(index)];
  return label(hose.labelName, {}, hose.labelCaption, {left, top, 855, 255}, kDefault, tab);
}

constexpr Control withToolTip(Control control, std::string_view toolTip) {
  control.toolTip = toolTip;
  return control;
}

constexpr Control frame(std::string_view name, TwipsRect at, int tab) {
  return {.name = name, .kind = Kind::Frame, .at = at, .tab = tab};
}

constexpr Control line(std::string_view name, int x1, int y1, int x2, int y2) {
  return {.name = name, .kind = Kind::Line, .line = {x1, y1, x2, y2}};
}

// Frames come before the controls they hold, so that a parent exists when
// its children are made.
constexpr std::array kControls = {
    // Display group: the indicator lies over the left end of the display.
    Control{.name = "text1",
            .kind = Kind::Label,
            .caption = "VORNA",
            .at = {240, 960, 4320, 435},
            .font = kArial15_75,
            .back = kWhite,
            .fore = kBlack,
            .align = Align::Right,
            .border = true,
            .tab = 64},
    Control{.name = "txtEorM",
            .kind = Kind::TextBox,
            .caption = "E",
            .at = {240, 960, 375, 435},
            .font = kArial14_25,
            .back = kWhite,
            .fore = kBlack,
            .tab = 67,
            .enabled = kDisabled,
            .accessibleName = "Unit system"},

    Control{.name = "Image1",
            .kind = Kind::Image,
            .at = {720, 120, 3045, 735},
            .picture = Picture::Brand},

    // Power keys.
    key("cmdOff", "OFF", {3000, 1560, 1575, 375}, kDefault, kLightYellow, 65, Key{KeyKind::Off},
        "Off"),
    key("CmdOn", "ON", {120, 0, 75, 195}, kDefault, kLightYellow, 66, Key{KeyKind::On}, "On",
        kDisabled, kHidden),

    // Function and clear keys.
    key("cmdEnginePressure", "ENGINE PRESSURE", {240, 2040, 735, 375}, kArial6, kLightBlue, 0,
        Key{KeyKind::EnginePressure}, "Engine pressure", kDisabled),
    key("cmdApplicRate", "APPLIC. RATE", {3000, 2040, 735, 375}, kArial6, kLightBlue, 6,
        Key{KeyKind::ApplicRate}, "Application rate", kDisabled),
    key("cmdClearDisplay", "CLEAR DISPLAY", {3840, 2040, 735, 375}, kArial6, kLightBlue, 5,
        Key{KeyKind::ClearDisplay}, "Clear display"),
    key("cmdFrictionLoss", "FRICTION LOSS", {240, 2880, 735, 375}, kArial6, kLightBlue, 9,
        Key{KeyKind::FrictionLoss}, "Friction loss", kDisabled),
    key("cmdEnglishMetric", "ENGLISH METRIC", {3000, 2880, 735, 375}, kArial6, kLightBlue, 8,
        Key{KeyKind::EnglishMetric}, "English metric units", kDisabled),
    key("cmdAllClear", "ALL CLEAR", {3840, 2880, 735, 375}, kArial6, kLightBlue, 7,
        Key{KeyKind::AllClear}, "All clear"),

    // The two nozzle groups.
    frame("frmeFlowRate", {1080, 1680, 1815, 735}, 1),
    label("lblFR", "frmeFlowRate", "FLOW RATE", {360, 120, 975, 135}, kArial6_75, 2),
    nozzleKey("cmdStraightTipFR", "STRAIGHT TIP", "frmeFlowRate", 120, 3, KeyKind::StraightTipFR,
              "Flow rate, straight tip"),
    nozzleKey("cmdfognozzleFR", "FOG NOZZLE", "frmeFlowRate", 960, 4, KeyKind::FogNozzleFR,
              "Flow rate, fog nozzle"),
    frame("Frame1", {1080, 2520, 1815, 735}, 10),
    label("Label1", "Frame1", "REACTION FORCE", {240, 120, 1455, 135}, kArial6_75, 13),
    nozzleKey("cmdStraightTipRF", "STRAIGHT TIP", "Frame1", 120, 12, KeyKind::StraightTipRF,
              "Reaction force, straight tip"),
    nozzleKey("cmdFogNozzleRF", "FOG NOZZLE", "Frame1", 960, 11, KeyKind::FogNozzleRF,
              "Reaction force, fog nozzle"),

    withToolTip(key("cmdEnter", "Enter", {240, 3360, 2175, 375}, kDefault, kLightYellow, 14,
                    Key{KeyKind::Enter}, "Enter"),
                "Takes the value shown. After a result, F2 reviews the inputs."),

    // Hose-size block: keys (index into the hose table, left, top, tab) and
    // the metric label above each (index, left, top, tab).
    hoseKey(0, 2640, 3720, 34, "Three quarter inch hose"),
    hoseLabel(0, 2640, 3480, 35),
    hoseKey(1, 3600, 3720, 26, "One inch hose"),
    hoseLabel(1, 3600, 3480, 27),
    hoseKey(2, 480, 4200, 15, "One and a quarter inch hose"),
    hoseLabel(2, 480, 3960, 18),
    hoseKey(3, 1560, 4200, 37, "One and a half inch hose"),
    hoseLabel(3, 1560, 3960, 40),
    hoseKey(4, 2640, 4200, 29, "One and three quarter inch hose"),
    hoseLabel(4, 2640, 3960, 32),
    hoseKey(5, 3600, 4200, 21, "Two inch hose"),
    hoseLabel(5, 3600, 3960, 24),
    hoseKey(6, 480, 4680, 16, "Two and a half inch hose"),
    hoseLabel(6, 480, 4440, 19),
    hoseKey(7, 1560, 4680, 38, "Three inch hose with two and a half inch couplings"),
    hoseLabel(7, 1560, 4440, 41),
    hoseKey(8, 2640, 4680, 30, "Three inch hose"),
    hoseLabel(8, 2640, 4440, 33),
    hoseKey(9, 3600, 4680, 22, "Three and a half inch hose"),
    hoseLabel(9, 3600, 4440, 25),
    hoseKey(10, 480, 5160, 17, "Four inch hose"),
    hoseLabel(10, 480, 4920, 20),
    hoseKey(11, 1560, 5160, 39, "Four and a half inch hose"),
    hoseLabel(11, 1560, 4920, 42),
    hoseKey(12, 2640, 5160, 31, "Five inch hose"),
    hoseLabel(12, 2640, 4920, 36),
    hoseKey(13, 3600, 5160, 23, "Six inch hose"),
    hoseLabel(13, 3600, 4920, 28),
    label("lblHoseSize", {}, "Hose Size", {3120, 3240, 855, 255}, kArial8_25, 63),

    // The outline of the hose block, with a gap for its heading.
    line("Line1", 240, 3840, 240, 5520),
    line("Line2", 240, 3840, 2520, 3840),
    line("Line3", 2520, 3840, 2520, 3360),
    line("Line7", 2520, 3360, 3120, 3360),
    line("Line4", 3960, 3360, 4560, 3360),
    line("Line5", 4560, 3360, 4560, 5520),
    line("Line6", 240, 5520, 4560, 5520),

    // Keypad, row by row from the top; columns at 360, 1200, 2040, 2880, 3720.
    keypadKey("cmdSqRoot", "SqRoot", 360, 5760, kArial9, 46, Key{KeyKind::SqRoot}, "Square root"),
    digitKey(7, 1200, 5760, kArial9, 50, "Seven"),
    digitKey(8, 2040, 5760, kArial9, 54, "Eight"),
    digitKey(9, 2880, 5760, kArial9, 58, "Nine"),
    operatorKey(Operator::Divide, 3720, 5760, kArial9, 62, "Divide"),

    keypadKey("cmdSquared", "X \u00B2", 360, 6240, kArial9_75, 45, Key{KeyKind::Squared},
              "Squared"),
    digitKey(4, 1200, 6240, kArial9, 49, "Four"),
    digitKey(5, 2040, 6240, kArial9, 53, "Five"),
    digitKey(6, 2880, 6240, kArial9, 57, "Six"),
    operatorKey(Operator::Times, 3720, 6240, kArial9, 61, "Times"),

    keypadKey("cmdPercent", "%", 360, 6720, kArial12, 44, Key{KeyKind::Percent}, "Percent"),
    digitKey(1, 1200, 6720, kArial9, 48, "One"),
    digitKey(2, 2040, 6720, kArial9, 52, "Two"),
    digitKey(3, 2880, 6720, kArial9, 56, "Three"),
    operatorKey(Operator::Minus, 3720, 6720, kArial12, 60, "Minus"),

    keypadKey("cmdPosNeq", "+/-", 360, 7200, kArial11_25, 43, Key{KeyKind::PosNeg}, "Change sign"),
    digitKey(0, 1200, 7200, kArial9, 47, "Zero"),
    digitKey(kPointIndex, 2040, 7200, kArial12, 51, "Point"),
    operatorKey(Operator::Equals, 2880, 7200, kArial12, 55, "Equals"),
    operatorKey(Operator::Plus, 3720, 7200, kArial12, 59, "Plus"),
};

}  // namespace

std::span<const Control> panelControls() { return kControls; }

const Control& markControl() {
  static constexpr Control mark{.name = "lblMark",
                                .kind = Kind::Label,
                                .at = {660, 1095, 2250, 240},  // holds all three marks
                                .font = kArial6_75,
                                .back = kWhite,
                                .fore = kBlack,
                                .visible = false};
  return mark;
}

bool isEnabled(const Control& row, const Calculator& calculator) {
  return row.enabled ||
         (calculator.functionKeysEnabled && row.key && enabledByStartUp(row.key->kind));
}

}  // namespace vardel::panel
