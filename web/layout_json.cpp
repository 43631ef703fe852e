// Writes the panel as data (the main window's rows, the menus, the boxes, the
// colours and sizes) and the product's facts as JSON on
// standard output. The site's build turns it into the page's markup and
// style sheet, and the browser tests check the page against it, so the web
// panel has no layout of its own: a changed row changes both panels.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/app_info.h"
#include "core/calculator_state.h"
#include "core/key.h"
#include "core/power_keys.h"
#include "panel/about_box.h"
#include "panel/colours.h"
#include "panel/desks.h"
#include "panel/file_choice.h"
#include "panel/main_window.h"
#include "panel/menus.h"
#include "panel/message_box.h"
#include "panel/practice_box.h"
#include "panel/spoken_names.h"
#include "panel/working_box.h"
#include "web/json_text.h"
#include "web/page_contract.h"

namespace {

using namespace vardel;
using namespace vardel::panel;
using vardel::web::quoted;

std::string colour(std::uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb));
  return quoted(text);
}

std::string_view kindName(Kind kind) {
  switch (kind) {
    case Kind::Key:
      return "key";
    case Kind::Label:
      return "label";
    case Kind::Frame:
      return "frame";
    case Kind::TextBox:
      return "textbox";
    case Kind::Image:
      return "image";
    case Kind::Line:
      return "line";
    case Kind::Field:
      return "field";
    case Kind::List:
      return "list";
    case Kind::Text:
      return "text";
    case Kind::Grid:
      return "grid";
  }
  return "";
}

std::string_view alignName(Align align) {
  switch (align) {
    case Align::Left:
      return "left";
    case Align::Centre:
      return "center";
    case Align::Right:
      return "right";
  }
  return "left";
}

// The name a key's action goes by on the page: only what styling and the
// tests need (the hose keys look different; Enter is the default key).
std::string_view keyKindName(KeyKind kind) {
  switch (kind) {
    case KeyKind::Digit:
      return "digit";
    case KeyKind::Operator:
      return "operator";
    case KeyKind::Hose:
      return "hose";
    case KeyKind::Enter:
      return "enter";
    default:
      return "function";
  }
}

std::string font(const Font& f) {
  return "{\"face\":" + quoted(f.face) + ",\"points\":" + std::to_string(f.points) + "}";
}

std::string rect(const TwipsRect& r) {
  return "{\"left\":" + std::to_string(r.left) + ",\"top\":" + std::to_string(r.top) +
         ",\"width\":" + std::to_string(r.width) + ",\"height\":" + std::to_string(r.height) + "}";
}

std::string line(const TwipsLine& l) {
  return "{\"x1\":" + std::to_string(l.x1) + ",\"y1\":" + std::to_string(l.y1) +
         ",\"x2\":" + std::to_string(l.x2) + ",\"y2\":" + std::to_string(l.y2) + "}";
}

std::string boolean(bool value) { return value ? "true" : "false"; }

std::string menu(const Menu& m) {
  std::string out =
      "{\"name\":" + quoted(m.name) + ",\"caption\":" + quoted(m.caption) + ",\"items\":[";
  for (std::size_t i = 0; i < m.items.size(); ++i) {
    const MenuItem& item = m.items[i];
    if (i > 0) out += ",";
    out += "{\"name\":" + quoted(item.name) + ",\"caption\":" + quoted(item.caption) +
           ",\"command\":" + std::to_string(static_cast<int>(item.command));
    if (item.checkable) out += ",\"checkable\":true";
    if (!item.shortcut.empty()) out += ",\"shortcut\":" + quoted(item.shortcut);
    if (const FileChoice* choice = fileOf(item.command))
      out += ",\"file\":" + web::fileJson(*choice);
    out += "}";
  }
  return out + "]}";
}

std::string_view outputName(Output output) {
  switch (output) {
    case Output::Copy:
      return "copy";
    case Output::Print:
      return "print";
    case Output::SavePdf:
      return "savePdf";
    case Output::None:
      break;
  }
  return "";
}

std::string_view pictureName(Picture picture) {
  switch (picture) {
    case Picture::Brand:
      return "brand";
    case Picture::Icon:
      return "icon";
    case Picture::None:
      break;
  }
  return "";
}

std::string control(const Control& row, std::size_t index) {
  std::string out = "{\"row\":" + std::to_string(index);
  out += ",\"name\":" + quoted(designName(row));
  out += ",\"kind\":" + quoted(kindName(row.kind));
  out += ",\"parent\":" + quoted(row.parent);
  out += ",\"caption\":" + quoted(row.caption);
  if (row.kind == Kind::Line) {
    out += ",\"line\":" + line(row.line) + ",\"thickness\":" + std::to_string(row.thickness);
  } else {
    out += ",\"rect\":" + rect(row.at);
  }
  out += ",\"font\":" + font(row.font.face.empty() ? kWindowFont : row.font);
  if (row.back) out += ",\"back\":" + colour(*row.back);
  if (row.fore) out += ",\"fore\":" + colour(*row.fore);
  out += ",\"align\":" + quoted(alignName(row.align));
  out += ",\"border\":" + boolean(row.border);
  out += ",\"wrap\":" + boolean(row.wrap);
  out += ",\"tab\":" + std::to_string(row.tab);
  out += ",\"enabled\":" + boolean(row.enabled);
  out += ",\"visible\":" + boolean(row.visible);
  if (row.key) {
    out += ",\"key\":" + quoted(keyKindName(row.key->kind));
    out += ",\"startUp\":" + boolean(!row.enabled && enabledByStartUp(row.key->kind));
  }
  if (row.closesBox) out += ",\"closesBox\":true";
  if (row.defaultKey) out += ",\"defaultKey\":true";
  if (row.dropDown) out += ",\"dropDown\":true";
  if (row.output != Output::None) out += ",\"output\":" + quoted(outputName(row.output));
  if (row.picture != Picture::None) out += ",\"picture\":" + quoted(pictureName(row.picture));
  out += ",\"spoken\":" + quoted(spokenName(row));
  return out + "}";
}

std::string controls(std::span<const Control> rows) {
  std::string out = "[\n";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    out += control(rows[i], i);
    out += i + 1 < rows.size() ? ",\n" : "\n";
  }
  return out + "]";
}

std::string box(const Dialog& d) {
  std::string out = "{\"name\":" + quoted(d.name) + ",\"title\":" + quoted(d.title) +
                    ",\"width\":" + std::to_string(d.widthTwips) +
                    ",\"height\":" + std::to_string(d.heightTwips);
  if (!d.family.empty()) out += ",\"family\":" + quoted(d.family);
  return out + ",\"controls\":" + controls(d.controls) + "}";
}

}  // namespace

int main() {
  namespace c = colours;
  const Dialog& about = aboutBox();
  std::string out = "{\n\"title\":" + quoted(app_info::kTitle);
  out += ",\n\"version\":" + quoted(app_info::kVersion);
  out += ",\n\"appId\":" + quoted(app_info::kAppId);
  out += ",\n\"description\":" + quoted(app_info::kDescription);
  out += ",\n\"client\":{\"width\":" + std::to_string(kClientWidthTwips) +
         ",\"height\":" + std::to_string(kClientHeightTwips) + "}";
  out += ",\n\"windowFont\":" + font(kWindowFont);
  out += ",\n\"twips\":{\"perPixel\":" + std::to_string(kTwipsPerPixel) +
         ",\"perPoint\":" + std::to_string(kTwipsPerPoint) +
         ",\"menuBar\":" + std::to_string(kMenuBarTwips) +
         ",\"titleBar\":" + std::to_string(kTitleBarTwips) + "}";
  out += ",\n\"colours\":{\"lightBlue\":" + colour(c::kLightBlue) +
         ",\"lightYellow\":" + colour(c::kLightYellow) + ",\"white\":" + colour(c::kWhite) +
         ",\"black\":" + colour(c::kBlack) + ",\"outline\":" + colour(c::kOutline) +
         ",\"bevelLight\":" + colour(c::kBevelLight) +
         ",\"bevelShadow\":" + colour(c::kBevelShadow) +
         ",\"controlFace\":" + colour(c::kControlFace) + "}";
  out += ",\n\"menu\":" + menu(helpMenu());
  out += ",\n\"displayMenu\":" + menu(displayMenu());
  // What a screen reader says when the unit indicator changes, by its code.
  out += ",\n\"unitsSpoken\":{" + quoted(kEnglishUnits) + ":" + quoted(spokenUnits(kEnglishUnits)) +
         "," + quoted(kMetricUnits) + ":" + quoted(spokenUnits(kMetricUnits)) + "}";
  out += ",\n\"messageBox\":{\"name\":" + quoted(kMessageBoxName) +
         ",\"ok\":" + quoted(kMessageBoxOK) + "}";
  out += ",\n\"about\":" + box(about);
  // The Department menu, every menu's boxes and the mark beside a result,
  // and the characters the engine's texts need beyond the captions'.
  out += ",\n\"departmentMenu\":" + menu(departmentMenu());
  std::string boxes;
  for (const Dialog* design : Desks::designs()) {
    boxes += (boxes.empty() ? "" : ",\n") + box(*design);
  }
  out += ",\n\"boxes\":[" + boxes + "]";
  out += ",\n\"practiceStrip\":" + box(practiceStrip());
  out += ",\n\"workingSymbols\":" + quoted(kWorkingSymbols);
  out += ",\n\"page\":" + web::contract::json();
  out += ",\n\"mark\":" + control(markControl(), panelControls().size());
  out += ",\n\"controls\":" + controls(panelControls()) + "\n}\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
