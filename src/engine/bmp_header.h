#pragma once
// The headers of a bitmap file, and the check every file passes before anything reads its pixels:
// a known header, depth and compression, masks that make sense, and a palette and pixels that lie
// inside the file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/little_endian.h"

// The pieces of the BMP reader share these; nothing outside src/engine/bmp_* uses them.
namespace bmp {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;
constexpr size_t kFileHeader = 14;

using Masks = std::array<uint32_t, 4>;  // red, green, blue, alpha

// The facts of a checked file: every offset and length below lies inside it.
struct BmpInfo {
  size_t headerSize = 0;
  uint32_t width = 0, height = 0;  // height without its sign
  bool topDown = false;
  unsigned bpp = 0;
  uint32_t compression = kRgb;
  uint32_t colorsUsed = 0;  // as declared
  Masks masks{};
  size_t paletteStart = 0, paletteEntries = 0, entrySize = 4;
  size_t pixelOffset = 0;
  size_t stride = 0;  // of the uncompressed rows
};

// Nullopt for anything that is not a bitmap this program reads, or whose palette or pixels would
// lie past the end of the `n` bytes at `d`.
std::optional<BmpInfo> ParseBmp(const uint8_t* d, size_t n);

// Masks FreeImage keeps as they are: 16-bit 5-5-5 and 5-6-5, 32-bit 8-8-8 with or without alpha.
bool StandardMasks(const Masks& m, unsigned bpp);

// What Debian's FreeImage 3.18 reads unaided, measured with our fixtures: 40-byte headers with
// BI_RGB at 1, 4, 8, 16, 24 and 32 bits, bottom-up or top-down; BI_BITFIELDS 5-5-5 and 5-6-5 at 16
// bits and 8-8-8 at 32 bits; OS/2 1.x 12-byte headers; RLE4. It refuses 52, 56, 108 and 124-byte
// and OS/2 2.x headers and RLE8 streams with an end of line before the end of bitmap, and misreads
// any other mask. Those files are rewritten as a plain 40-byte bitmap (bmp_normalise.h); RLE is
// always decoded by our own code, so that a damaged stream is handled by code that clips every
// write.
bool FreeImageReadsAsIs(const BmpInfo& info);

}  // namespace bmp
