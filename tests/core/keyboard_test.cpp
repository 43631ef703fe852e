#include "core/keyboard.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>

namespace vardel {
namespace {

// The keyboard table as the design lists it, with the keys' indexes written
// out as numbers; every 16-bit code is tried.
TEST(Keyboard, MapsTheCalculatorsCharacters) {
  const std::map<int, Key> table = {
      {13, {KeyKind::Enter}},
      {'.', {KeyKind::Digit, 10}},
      {'+', {KeyKind::Operator, 0}},
      {'-', {KeyKind::Operator, 1}},
      {'/', {KeyKind::Operator, 2}},
      {'*', {KeyKind::Operator, 3}},
      {'=', {KeyKind::Operator, 4}},
      {'C', {KeyKind::TypedClear}},
      {'c', {KeyKind::TypedClear}},
      {'D', {KeyKind::TypedClearDisplay}},
      {'d', {KeyKind::TypedClearDisplay}},
  };
  for (int code = -32768; code <= 32767; ++code) {
    const auto key = keyForCharacter(static_cast<std::int16_t>(code));
    const bool digit = code >= '0' && code <= '9';
    if (digit) {
      ASSERT_EQ(key, (Key{KeyKind::Digit, static_cast<std::int16_t>(code - '0')})) << code;
    } else if (const auto row = table.find(code); row != table.end()) {
      ASSERT_EQ(key, row->second) << code;
    } else {
      ASSERT_EQ(key, std::nullopt) << code;  // letters, Backspace, Escape, ...
    }
  }
}

// The window takes Enter and the printable ASCII characters, the
// calculator's or not; the blank, control characters and anything beyond
// ASCII stay the window's own. A wide code is never narrowed into a taken one.
TEST(Keyboard, TakesEnterAndPrintableAscii) {
  for (const int code : std::initializer_list<int>{13, '!', '0', 'x', '~'})
    EXPECT_TRUE(takesCharacter(code)) << code;
  for (const int code :
       std::initializer_list<int>{0, 8, 9, 27, ' ', 0x7F, 0xE9, 0x100 + '5', 0x10000 + 13, -1}) {
    EXPECT_FALSE(takesCharacter(code)) << code;
  }
}

TEST(Keyboard, CopiesTheNumberWithoutItsLeadingBlank) {
  EXPECT_EQ(copiedText(" 150"), "150");
  EXPECT_EQ(copiedText("-2.5"), "-2.5");
  EXPECT_EQ(copiedText("PSI 70"), "PSI 70");
  EXPECT_EQ(copiedText("  7"), " 7");  // only the one blank a number leads with
  EXPECT_EQ(copiedText(""), "");
}

}  // namespace
}  // namespace vardel
