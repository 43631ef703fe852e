#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "panel/desks.h"
#include "panel/file_choice.h"

// What the engine and the page agree on: written here once, handed to the
// page in the layout JSON (web/layout_json.cpp), and read by the page's
// modules from there.
namespace vardel::web::contract {

// What one draw carries besides the display and indicator texts.
enum Draw : int {
  kDisplayShown = 1,         // the action gave the display a text (the same again too)
  kFunctionKeysEnabled = 2,  // the keys that start-up enables are enabled
  kEnterIsDefault = 4,
  kFocusEnter = 8,  // the focus moved to Enter
  kClose = 16,      // the window closes
};

// The separators of the texts the engine hands the page: records (message
// boxes, an open box's controls), the fields of one record, and the rows of
// a control (a list's rows, a grid's cells).
inline constexpr char kRecord = '\x1e';
inline constexpr char kUnit = '\x1f';
inline constexpr char kGroup = '\x1d';

// The states of the commands, as one number: for each command (by its
// number), enabled is bit 2c and checked bit 2c + 1.
inline constexpr int kBitsPerCommand = 2;
inline constexpr int kEnabledBit = 1;
inline constexpr int kCheckedBit = 2;

// What a command asks of the page, by the number the engine returns.
constexpr int askCode(panel::Ask ask) { return static_cast<int>(ask); }

// Where the site keeps the department file in the browser's storage; its
// copy of the department's issued file, the site's own (kIssuedFile, beside
// the page); and the note of what the device has told of that file.
inline constexpr std::string_view kStorageKey = "vardel.department";
inline constexpr std::string_view kIssuedKey = "vardel.department.issued";
inline constexpr std::string_view kToldKey = "vardel.department.told";
inline constexpr std::string_view kIssuedFile = "department.json";

// The smallest a key may be drawn for a finger, in CSS pixels.
inline constexpr int kFingerPixels = 44;

// All of the above, as the layout JSON's "page" object.
std::string json();

}  // namespace vardel::web::contract

namespace vardel::web {

// A file a command asks the page for, as the layout JSON gives it with its
// menu item: for a file to read, what the page's file input accepts and how
// much of the file is read; for one to write, its name and type.
std::string fileJson(const panel::FileChoice& choice);

}  // namespace vardel::web
