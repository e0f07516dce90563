#include "engine/bmp_rle.h"

namespace bmp {

bool DecodeRle(const uint8_t* src, size_t n, unsigned bpp, uint32_t width, uint32_t height,
               uint8_t* out, size_t stride) {
  uint64_t x = 0, y = 0;  // wide enough that no run or delta wraps
  auto put = [&](unsigned index) {
    if (x < width && y < height) {
      uint8_t* row = out + y * stride;
      if (bpp == 8)
        row[x] = static_cast<uint8_t>(index);
      else
        row[x / 2] |= static_cast<uint8_t>(x % 2 ? index : index << 4);
    }
    ++x;
  };
  size_t pos = 0;
  while (pos + 2 <= n) {
    const unsigned count = src[pos], value = src[pos + 1];
    pos += 2;
    if (count) {  // a run of one index, or of two alternating nibbles
      for (unsigned i = 0; i < count && x < width; ++i)
        put(bpp == 8 ? value : (i % 2 ? value & 0xF : value >> 4));
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      return true;
    } else if (value == 2) {  // delta
      if (pos + 2 > n) return false;
      x += src[pos];
      y += src[pos + 1];
      pos += 2;
    } else {  // absolute run, padded to a 16-bit boundary
      const size_t bytes = bpp == 8 ? value : (value + 1) / 2;
      if (pos + bytes > n) return false;
      for (unsigned i = 0; i < value && x < width; ++i)
        put(bpp == 8 ? src[pos + i] : (i % 2 ? src[pos + i / 2] & 0xF : src[pos + i / 2] >> 4));
      pos += bytes + bytes % 2;
    }
  }
  return y >= height;
}

}  // namespace bmp
