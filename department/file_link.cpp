#include "department/file_link.h"

#include <array>
#include <cstdint>

#include "department/department_file.h"

namespace vardel::file_link {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

// Each character's six bits, or -1 for one that is no base64url digit.
constexpr std::array<int, 256> kValues = [] {
  std::array<int, 256> values{};
  values.fill(-1);
  for (std::size_t i = 0; i < kAlphabet.size(); ++i) {
    values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<int>(i);
  }
  return values;
}();

std::string_view withoutHash(std::string_view fragment) {
  if (!fragment.empty() && fragment.front() == '#') fragment.remove_prefix(1);
  return fragment;
}

const std::string kDamaged =
    "The link is damaged: it does not carry a whole department file. Ask for the link again, "
    "or for the file.";

}  // namespace

std::string fragmentOf(std::string_view file) {
  std::string out(kPrefix);
  std::uint32_t bits = 0;
  int count = 0;
  for (const char c : file) {
    bits = (bits << 8) | static_cast<unsigned char>(c);
    count += 8;
    while (count >= 6) {
      count -= 6;
      out += kAlphabet[(bits >> count) & 0x3f];
    }
  }
  if (count > 0) out += kAlphabet[(bits << (6 - count)) & 0x3f];
  return out;
}

bool carriesFile(std::string_view fragment) { return withoutHash(fragment).starts_with(kPrefix); }

Opened fileOf(std::string_view fragment) {
  fragment = withoutHash(fragment);
  if (!fragment.starts_with(kPrefix)) return {std::nullopt, kDamaged};
  fragment.remove_prefix(kPrefix.size());
  // Four digits make three bytes; a file larger than any department file
  // is refused before it is decoded.
  if (fragment.size() / 4 * 3 > department_file::kLargest) {
    return {std::nullopt, "The link carries more than a department file holds: it is refused."};
  }
  std::string file;
  std::uint32_t bits = 0;
  int count = 0;
  for (const char c : fragment) {
    const int value = kValues[static_cast<unsigned char>(c)];
    if (value < 0) return {std::nullopt, kDamaged};
    bits = (bits << 6) | static_cast<std::uint32_t>(value);
    count += 6;
    if (count >= 8) {
      count -= 8;
      file += static_cast<char>((bits >> count) & 0xff);
    }
  }
  // What is left over is padding of zero bits, fewer than a byte: a cut link
  // leaves a lone digit, or bits that are not zero.
  if (count >= 6 || (bits & ((1u << count) - 1)) != 0) return {std::nullopt, kDamaged};
  return {std::move(file), {}};
}

}  // namespace vardel::file_link
