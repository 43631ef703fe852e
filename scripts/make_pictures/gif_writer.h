#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Writes one-frame GIF89a files: a 256-entry global colour table, one colour
// index marked transparent by a graphic control extension, and the image
// stored interlaced and LZW-compressed.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::array<std::uint32_t, 256> palette{};  // 0xRRGGBB
  int transparentIndex = 0;
  std::vector<std::uint8_t> pixels;  // row by row, one index per pixel
};

std::vector<std::uint8_t> encodeGif(const IndexedPicture& picture);

// The LZW code stream of a GIF image with 8-bit codes, packed into bytes
// (without the sub-block framing). Exposed for checking.
std::vector<std::uint8_t> lzwCompress(const std::vector<std::uint8_t>& indexes);
