#include "core/number_text.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <system_error>

namespace vardel {
namespace {

constexpr int kSignificantDigits = 15;

// The magnitude of value in general notation with 15 significant digits
// ("0.5", "1e+15", "1.5e-05"), with the exponent marker in capitals. {fmt}
// rounds on the exact binary expansion, ties to even, and ignores the locale.
// The format is compiled, so that only the writing of a double is built in:
// a format read at run time brings every argument type along, which more
// than doubles the WebAssembly engine.
std::string magnitudeText(double value) {
  static_assert(kSignificantDigits == 15, "the format below writes 15 significant digits");
  std::string text = fmt::format(FMT_COMPILE("{:.15g}"), std::fabs(value));
  if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
  return text;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number scanned out of a text: sign, mantissa digits (the point
// kept), and exponent digits, in the form fast_float reads.
struct ScannedNumber {
  std::string text;  // e.g. "-12.5e+3", without blanks
  bool hasDigits = false;
  std::size_t end = 0;  // index just past the number in the scanned text
};

// Scans [sign] digits [. digits] [E [sign] digits] from the start of text.
// An exponent marker without digits after it is not part of the number.
ScannedNumber scanNumber(std::string_view text) {
  ScannedNumber n;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') n.text += '-';
    ++i;
  }
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      n.text += c;
      n.hasDigits = true;
    } else if (c == '.' && !point) {
      n.text += c;
      point = true;
    } else {
      break;
    }
  }
  n.end = i;
  if (!n.hasDigits || i >= text.size() || (text[i] != 'E' && text[i] != 'e')) return n;
  std::size_t j = i + 1;
  std::string exponent = "e";
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
  const std::size_t firstExponentDigit = j;
  while (j < text.size() && isDigit(text[j])) exponent += text[j++];
  if (j > firstExponentDigit) {
    n.text += exponent;
    n.end = j;
  }
  return n;
}

// True when the magnitude of a scanned number is at most 1.79769313486232E+308,
// the text the largest double is written as. Compared on the decimal digits,
// so the answer is exact however many digits the text has.
bool isAtMostLargestWritten(const std::string& number) {
  constexpr std::string_view kDigits = "179769313486232";
  constexpr long long kExponent = 308;
  const std::size_t marker = number.find('e');
  const std::size_t mantissaEnd = marker == std::string::npos ? number.size() : marker;
  long long exponent = 0;
  if (marker != std::string::npos) {
    const char* first = number.data() + marker + 1;
    if (*first == '+') ++first;
    const auto parsed = std::from_chars(first, number.data() + number.size(), exponent);
    // An exponent beyond long long: a huge one is beyond the range, and a
    // tiny one never overflowed.
    if (parsed.ec != std::errc{}) return *first == '-';
  }
  // The significant digits, and the power of ten of the first of them.
  std::string digits;
  long long leadingPower = 0;
  long long power = static_cast<long long>(std::min(number.find('.'), mantissaEnd)) -
                    (number[0] == '-' ? 1 : 0) - 1;
  for (std::size_t k = (number[0] == '-') ? 1 : 0; k < mantissaEnd; ++k) {
    if (number[k] == '.') continue;
    if (digits.empty() && number[k] != '0') leadingPower = power;
    if (!digits.empty() || number[k] != '0') digits += number[k];
    --power;
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) return true;
  if (exponent > 1'000'000) return false;
  if (exponent < -1'000'000) return true;
  const long long magnitude = leadingPower + exponent;
  if (magnitude != kExponent) return magnitude < kExponent;
  return std::string_view(digits) <= kDigits;
}

std::optional<double> convert(const ScannedNumber& n) {
  double value = 0;
  const char* first = n.text.data();
  const char* last = first + n.text.size();
  const auto result = fast_float::from_chars(first, last, value, fast_float::chars_format::general);
  if (result.ec != std::errc{} || result.ptr != last || std::isnan(value)) return std::nullopt;
  // A number too small for a double has read as a zero of its sign; one too
  // large as an infinity. The largest double is written, at 15 digits, as
  // 1.79769313486232E+308, just beyond its own value; such a text reads back
  // as the largest double so that every written number can be read again.
  if (std::isinf(value)) {
    if (!isAtMostLargestWritten(n.text)) return std::nullopt;
    return std::copysign(std::numeric_limits<double>::max(), value);
  }
  return value;
}

}  // namespace

std::string formatSigned(double value) {
  std::string text = magnitudeText(value);
  if (text.rfind("0.", 0) == 0) text.erase(0, 1);
  return (std::signbit(value) && value != 0 ? "-" : " ") + text;
}

std::string formatPlain(double value) {
  std::string text = magnitudeText(value);
  return (std::signbit(value) && value != 0 ? "-" : "") + text;
}

std::string formatExact(double value) {
  std::string text = formatPlain(value);
  if (const std::optional<double> back = readStrict(text); back && *back == value) return text;
  text = fmt::format(FMT_COMPILE("{}"), value);
  if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
  return text;
}

std::optional<double> readLenient(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (const char c : text) {
    if (!isBlank(c) && c != '\n' && c != '\r') compact += c;
  }
  const ScannedNumber n = scanNumber(compact);
  if (!n.hasDigits) return 0.0;
  return convert(n);
}

std::optional<double> readStrict(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  const ScannedNumber n = scanNumber(text);
  if (!n.hasDigits || n.end != text.size()) return std::nullopt;
  return convert(n);
}

}  // namespace vardel
