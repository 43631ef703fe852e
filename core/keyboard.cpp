#include "core/keyboard.h"

namespace vardel {

std::optional<Key> keyForCharacter(std::int16_t code) {
  switch (code) {
    case 13: return Key{KeyKind::Enter};
    case '.': return Key{KeyKind::Digit, kPointIndex};
    case '+': return Key{KeyKind::Operator, 0};
    case '-': return Key{KeyKind::Operator, 1};
    case '/': return Key{KeyKind::Operator, 2};
    case '*': return Key{KeyKind::Operator, 3};
    case '=': return Key{KeyKind::Operator, kEqualsIndex};
    case 'C':
    case 'c': return Key{KeyKind::TypedClear};
    case 'D':
    case 'd': return Key{KeyKind::TypedClearDisplay};
    default: break;
  }
  if (code >= '0' && code <= '9') return Key{KeyKind::Digit, static_cast<std::int16_t>(code - '0')};
  return std::nullopt;
}

}  // namespace vardel
