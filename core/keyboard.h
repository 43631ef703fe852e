#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/key.h"

namespace vardel {

// The key that a typed character presses, or nothing for a character the
// calculator ignores. Enter, digits, point, the operators, and the letters
// C and D (either case) have keys; every other character has none.
std::optional<Key> keyForCharacter(std::int16_t code);

// Whether the window's character handler takes a typed character (its code;
// Enter is 13), so that the window must not act on it as well: Enter and
// every printable ASCII character but the blank, which presses the focused
// key. The handler then acts on the calculator's characters and ignores the
// rest.
bool takesCharacter(int code);

// What Ctrl+C copies from the display: its text without the leading blank
// of a number that is not negative.
std::string_view copiedText(std::string_view display);

}  // namespace vardel
