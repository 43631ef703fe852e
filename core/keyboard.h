#pragma once

#include <cstdint>
#include <optional>

#include "core/key.h"

namespace vardel {

// The key that a typed character presses, or nothing for a character the
// calculator ignores. Enter, digits, point, the operators, and the letters
// C and D (either case) have keys; every other character has none.
std::optional<Key> keyForCharacter(std::int16_t code);

}  // namespace vardel
