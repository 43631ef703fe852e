#include "core/keyboard.h"

namespace vardel {

std::optional<Key> keyForCharacter(std::int16_t code) {
  if (code == 13) return Key{KeyKind::Enter};
  // A digit key or an operator key types the character of its caption.
  for (std::size_t i = 0; i < kDigitCaptions.size(); ++i) {
    if (code == kDigitCaptions[i][0]) return digitKey(static_cast<std::int16_t>(i));
  }
  for (const Operator op : kOperators) {
    if (code == captionOf(op)[0]) return keyOf(op);
  }
  switch (code) {
    case 'C':
    case 'c':
      return Key{KeyKind::TypedClear};
    case 'D':
    case 'd':
      return Key{KeyKind::TypedClearDisplay};
    default:
      return std::nullopt;
  }
}

bool takesCharacter(int code) { return code == 13 || (code > ' ' && code < 0x7F); }

std::string_view copiedText(std::string_view display) {
  if (display.starts_with(' ')) display.remove_prefix(1);
  return display;
}

}  // namespace vardel
