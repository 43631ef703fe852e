#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <string>

namespace vardel {
namespace {

constexpr int kSignificantDigits = 15;
constexpr long double kLargestWritten = 1.79769313486232e308L;

// The magnitude of value in general notation with 15 significant digits
// ("0.5", "1e+15", "1.5e-05"), with the exponent marker in capitals.
std::string magnitudeText(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                    std::fabs(value), std::chars_format::general,
                                    kSignificantDigits);
  std::string text(buffer.data(), result.ptr);
  if (const auto e = text.find('e'); e != std::string::npos) text[e] = 'E';
  return text;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number scanned out of a text: sign, mantissa digits (the point
// kept), and exponent digits, in the form from_chars accepts.
struct ScannedNumber {
  std::string text;      // e.g. "-12.5e+3", without blanks
  bool hasDigits = false;
  std::size_t end = 0;   // index just past the number in the scanned text
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

// True when the scanned number's first significant digit, exponent applied,
// stands at 10^0 or above: an out-of-range result then means overflow, not
// underflow.
bool isLargeMagnitude(const std::string& number) {
  const std::size_t marker = number.find('e');
  const std::size_t mantissaEnd = marker == std::string::npos ? number.size() : marker;
  long long exponent = 0;
  if (marker != std::string::npos) {
    // strtoll saturates on absurd exponents; only their sign matters then.
    exponent = std::strtoll(number.c_str() + marker + 1, nullptr, 10);
    if (exponent > 1'000'000) return true;
    if (exponent < -1'000'000) return false;
  }
  const std::size_t point = std::min(number.find('.'), mantissaEnd);
  long long position = static_cast<long long>(point);  // decimal position + index
  for (std::size_t k = (number[0] == '-') ? 1 : 0; k < mantissaEnd; ++k) {
    if (k == point) continue;
    // Digits before the point stand at 10^(point-k-1), after it at 10^(point-k).
    const long long place = k < point ? position - static_cast<long long>(k) - 1
                                      : position - static_cast<long long>(k);
    if (number[k] != '0') return place + exponent >= 0;
  }
  return false;  // all zeros are never out of range
}

std::optional<double> convert(const ScannedNumber& n) {
  double value = 0;
  const char* first = n.text.data();
  const char* last = first + n.text.size();
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    const bool negative = n.text[0] == '-';
    if (!isLargeMagnitude(n.text)) return negative ? -0.0 : 0.0;
    // The largest double is written, at 15 digits, as 1.79769313486232E+308,
    // just beyond its own value; such a text reads back as the largest double
    // so that every written number can be read again.
    long double wide = 0;
    const auto wideResult = std::from_chars(first, last, wide, std::chars_format::general);
    if (wideResult.ec == std::errc{} && std::fabs(wide) <= kLargestWritten) {
      return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
    return std::nullopt;
  }
  if (result.ec != std::errc{} || result.ptr != last || !std::isfinite(value)) return std::nullopt;
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
