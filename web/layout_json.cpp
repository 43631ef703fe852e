// Writes the panel's layout table, the menu and the About box as JSON on
// standard output. The site's build turns it into the page's markup and
// style sheet, and the browser tests check the page against it, so the web
// panel has no layout of its own: a changed row changes both panels.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/app_info.h"
#include "core/key.h"
#include "ui/about_layout.h"
#include "ui/panel_layout.h"

namespace {

using namespace vardel;
using namespace vardel::ui;

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", c);
          out += escape;
        } else {
          out += c;  // UTF-8 passes through
        }
    }
  }
  return out + "\"";
}

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

// Arrays keep their design name and show their index, as "Command1(7)".
std::string designName(const Control& row) {
  std::string name(row.name);
  if (row.key && (row.key->kind == KeyKind::Digit || row.key->kind == KeyKind::Operator)) {
    name += "(" + std::to_string(row.key->index) + ")";
  }
  return name;
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

std::string rule(const about::Rule& r) {
  return "{\"line\":" + line(r.line) + ",\"thickness\":" + std::to_string(r.thickness) +
         ",\"colour\":" + colour(r.rgb) + "}";
}

std::string control(const Control& row, std::size_t index) {
  std::string out = "{\"row\":" + std::to_string(index);
  out += ",\"name\":" + quoted(designName(row));
  out += ",\"kind\":" + quoted(kindName(row.kind));
  out += ",\"parent\":" + quoted(row.parent);
  out += ",\"caption\":" + quoted(row.caption);
  if (row.kind == Kind::Line) {
    out += ",\"line\":" + line(row.line);
  } else {
    out += ",\"rect\":" + rect(row.at);
  }
  out += ",\"font\":" + font(row.font.face.empty() ? kWindowFont : row.font);
  if (row.back) out += ",\"back\":" + colour(*row.back);
  if (row.fore) out += ",\"fore\":" + colour(*row.fore);
  out += ",\"align\":" + quoted(alignName(row.align));
  out += std::string(",\"border\":") + (row.border ? "true" : "false");
  out += ",\"tab\":" + std::to_string(row.tab);
  out += std::string(",\"enabled\":") + (row.enabled ? "true" : "false");
  out += std::string(",\"visible\":") + (row.visible ? "true" : "false");
  if (row.key) out += ",\"key\":" + quoted(keyKindName(row.key->kind));
  out += ",\"spoken\":" + quoted(row.accessibleName);
  return out + "}";
}

}  // namespace

int main() {
  std::string out = "{\n\"title\":" + quoted(app_info::kTitle);
  out += ",\n\"version\":" + quoted(app_info::kVersion);
  out += ",\n\"client\":{\"width\":" + std::to_string(kClientWidthTwips) +
         ",\"height\":" + std::to_string(kClientHeightTwips) + "}";
  out += ",\n\"windowFont\":" + font(kWindowFont);
  out += ",\n\"menu\":{\"name\":" + quoted(kHelpMenuName) +
         ",\"caption\":" + quoted(kHelpMenuCaption) +
         ",\"item\":{\"name\":" + quoted(kAboutItemName) +
         ",\"caption\":" + quoted(kAboutItemCaption) + "}}";
  out += ",\n\"displayMenu\":{\"name\":" + quoted(kDisplayMenuName) +
         ",\"item\":{\"name\":" + quoted(kReviewItemName) +
         ",\"caption\":" + quoted(kReviewItemCaption) + "}}";
  out += ",\n\"about\":{\"width\":" + std::to_string(about::kClientWidthTwips) +
         ",\"height\":" + std::to_string(about::kClientHeightTwips) +
         ",\"icon\":" + rect(about::kIcon) + ",\"lblTitle\":" + rect(about::kTitle) +
         ",\"lblVersion\":" + rect(about::kVersion) +
         ",\"lblDescription\":" + rect(about::kDescriptionPlace) +
         ",\"lblDisclaimer\":" + rect(about::kDisclaimerPlace) + ",\"cmdOK\":" + rect(about::kOK) +
         ",\"rules\":[" + rule(about::kGreyRule) + "," + rule(about::kWhiteRule) + "]" +
         ",\"titlePrefix\":" + quoted(about::kTitlePrefix) +
         ",\"versionPrefix\":" + quoted(about::kVersionPrefix) +
         ",\"description\":" + quoted(about::kDescription) +
         ",\"disclaimer\":" + quoted(about::kDisclaimer) + ",\"ok\":" + quoted(about::kOKCaption) +
         "}";
  out += ",\n\"controls\":[\n";
  const auto rows = panelControls();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    out += control(rows[i], i);
    out += i + 1 < rows.size() ? ",\n" : "\n";
  }
  out += "]\n}\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
