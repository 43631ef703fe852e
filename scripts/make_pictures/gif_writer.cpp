#include "gif_writer.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr int kMinCodeSize = 8;
constexpr int kClearCode = 1 << kMinCodeSize;
constexpr int kEndCode = kClearCode + 1;
constexpr int kFirstFree = kClearCode + 2;
constexpr int kMaxCodes = 4096;  // codes are at most 12 bits

class BitWriter {
 public:
  void write(int code, int size) {
    buffer_ |= static_cast<std::uint32_t>(code) << used_;
    used_ += size;
    while (used_ >= 8) {
      bytes_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
      buffer_ >>= 8;
      used_ -= 8;
    }
  }
  std::vector<std::uint8_t> finish() {
    if (used_ > 0) bytes_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
    buffer_ = 0;
    used_ = 0;
    return std::move(bytes_);
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::uint32_t buffer_ = 0;
  int used_ = 0;
};

// The width a decoder uses for the next code: it has added one table entry
// fewer than the encoder (none for the first code after a clear), and widens
// its codes when its next free entry reaches a power of two.
int codeSize(int nextFree) {
  int size = kMinCodeSize + 1;
  while (size < 12 && nextFree > (1 << size)) ++size;
  return size;
}

void put16(std::vector<std::uint8_t>& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

}  // namespace

std::vector<std::uint8_t> lzwCompress(const std::vector<std::uint8_t>& indexes) {
  BitWriter bits;
  std::unordered_map<std::uint32_t, int> table;
  int nextFree = kFirstFree;
  bits.write(kClearCode, codeSize(nextFree));
  if (indexes.empty()) {
    bits.write(kEndCode, codeSize(nextFree));
    return bits.finish();
  }
  int prefix = indexes.front();
  for (std::size_t i = 1; i < indexes.size(); ++i) {
    const int next = indexes[i];
    const std::uint32_t entry = (static_cast<std::uint32_t>(prefix) << 8) | next;
    const auto found = table.find(entry);
    if (found != table.end()) {
      prefix = found->second;
      continue;
    }
    bits.write(prefix, codeSize(nextFree));
    if (nextFree < kMaxCodes) {
      table.emplace(entry, nextFree++);
    } else {
      // The table is full: start afresh.
      bits.write(kClearCode, codeSize(nextFree));
      table.clear();
      nextFree = kFirstFree;
    }
    prefix = next;
  }
  bits.write(prefix, codeSize(nextFree));
  // The decoder adds an entry for that last code before it reads the end.
  bits.write(kEndCode, codeSize(std::min(nextFree + 1, kMaxCodes)));
  return bits.finish();
}

std::vector<std::uint8_t> encodeGif(const IndexedPicture& picture) {
  std::vector<std::uint8_t> out;
  const char* signature = "GIF89a";
  out.insert(out.end(), signature, signature + 6);

  // Logical screen: global table present, 8 bits of colour resolution,
  // 2^(7+1) = 256 entries.
  put16(out, picture.width);
  put16(out, picture.height);
  out.push_back(0xF7);
  out.push_back(static_cast<std::uint8_t>(picture.transparentIndex));  // background
  out.push_back(0);                                                    // square pixels
  for (const std::uint32_t rgb : picture.palette) {
    out.push_back(static_cast<std::uint8_t>((rgb >> 16) & 0xFF));
    out.push_back(static_cast<std::uint8_t>((rgb >> 8) & 0xFF));
    out.push_back(static_cast<std::uint8_t>(rgb & 0xFF));
  }

  // Graphic control extension: no disposal, transparent colour given.
  const std::uint8_t control[] = {
      0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, static_cast<std::uint8_t>(picture.transparentIndex),
      0x00};
  out.insert(out.end(), std::begin(control), std::end(control));

  // Image descriptor: the whole screen, no local table, interlaced.
  out.push_back(0x2C);
  put16(out, 0);
  put16(out, 0);
  put16(out, picture.width);
  put16(out, picture.height);
  out.push_back(0x40);

  // Rows in the four interlace passes: every 8th from 0, every 8th from 4,
  // every 4th from 2, every 2nd from 1.
  std::vector<std::uint8_t> ordered;
  ordered.reserve(picture.pixels.size());
  const int starts[] = {0, 4, 2, 1};
  const int steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = starts[pass]; y < picture.height; y += steps[pass]) {
      const auto row = picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.width;
      ordered.insert(ordered.end(), row, row + picture.width);
    }
  }

  out.push_back(kMinCodeSize);
  const std::vector<std::uint8_t> data = lzwCompress(ordered);
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t length = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<std::uint8_t>(length));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + length));
  }
  out.push_back(0);     // end of the image data
  out.push_back(0x3B);  // trailer
  return out;
}
