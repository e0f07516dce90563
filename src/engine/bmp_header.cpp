#include "engine/bmp_header.h"

#include <algorithm>
#include <bit>

namespace bmp {

namespace {

// An RLE file of a few bytes can claim any size; no real RLE bitmap comes near 2^28 pixels
// (256 MB at 8 bits), so larger claims are taken for damage instead of being allocated.
constexpr uint64_t kMaxRlePixels = uint64_t{1} << 28;

bool ValidMask(uint32_t mask) { return mask && std::has_single_bit((mask >> std::countr_zero(mask)) + 1); }

bool ValidMasks(const Masks& m, unsigned bpp) {
  const uint64_t limit = bpp == 16 ? 0xFFFF : 0xFFFFFFFF;
  for (int i = 0; i < 4; ++i) {
    if (i < 3 && !ValidMask(m[i])) return false;
    if (i == 3 && m[i] && !ValidMask(m[i])) return false;
    if (m[i] > limit) return false;
    for (int j = 0; j < i; ++j)
      if (m[i] & m[j]) return false;
  }
  return true;
}

}  // namespace

bool StandardMasks(const Masks& m, unsigned bpp) {
  if (bpp == 16) return m[3] == 0 && m[2] == 0x1F && ((m[0] == 0x7C00 && m[1] == 0x3E0) ||
                                                        (m[0] == 0xF800 && m[1] == 0x7E0));
  return m[0] == 0xFF0000 && m[1] == 0xFF00 && m[2] == 0xFF && (m[3] == 0 || m[3] == 0xFF000000);
}

std::optional<BmpInfo> ParseBmp(const uint8_t* d, size_t n) {
  if (n < kFileHeader + 4 || d[0] != 'B' || d[1] != 'M') return std::nullopt;
  BmpInfo info;
  info.pixelOffset = Le32(d + 10);
  info.headerSize = Le32(d + 14);
  const size_t hs = info.headerSize;
  // 12: OS/2 1.x; 16..64: OS/2 2.x, which may stop after any field, except the Windows 40, 52
  // and 56; 108: V4; 124: V5.
  if (hs != 12 && (hs < 16 || hs > 64) && hs != 108 && hs != 124) return std::nullopt;
  if (n < kFileHeader + hs) return std::nullopt;
  const uint8_t* h = d + kFileHeader;
  auto field = [&](size_t at) { return at + 4 <= hs ? Le32(h + at) : 0; };

  int64_t width = 0, height = 0;
  if (hs == 12) {
    width = Le16(h + 4);
    height = Le16(h + 6);
    info.bpp = Le16(h + 10);
    info.entrySize = 3;
  } else {
    width = static_cast<int32_t>(Le32(h + 4));
    height = static_cast<int32_t>(Le32(h + 8));
    info.bpp = Le16(h + 14);
    info.compression = field(16);
    info.colorsUsed = field(32);
  }
  const bool os2v2 = hs != 12 && hs != 40 && hs != 52 && hs != 56 && hs <= 64;
  // OS/2 2.x gives 3 and 4 to Huffman 1D and RLE24, which nobody writes any more.
  if (os2v2 && info.compression > kRle4) return std::nullopt;
  if (width <= 0 || height == 0 || height == INT32_MIN) return std::nullopt;
  info.width = static_cast<uint32_t>(width);
  info.topDown = height < 0;
  info.height = static_cast<uint32_t>(height < 0 ? -height : height);

  const unsigned bpp = info.bpp;
  switch (info.compression) {
    case kRgb:
      if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return std::nullopt;
      break;
    case kRle8:
    case kRle4:
      if (bpp != (info.compression == kRle8 ? 8u : 4u) || info.topDown) return std::nullopt;
      break;
    case kBitfields:
      if (bpp != 16 && bpp != 32) return std::nullopt;
      break;
    default:  // JPEG, PNG, CMYK and the unknown
      return std::nullopt;
  }

  size_t maskBytes = 0;
  if (info.compression == kBitfields) {
    if (hs == 40) {
      maskBytes = 12;
      if (n < kFileHeader + hs + maskBytes) return std::nullopt;
      for (int i = 0; i < 3; ++i) info.masks[i] = Le32(h + hs + 4 * i);
    } else {
      for (int i = 0; i < 4; ++i) info.masks[i] = field(40 + 4 * i);
    }
    if (!ValidMasks(info.masks, bpp)) return std::nullopt;
  }

  info.paletteStart = kFileHeader + hs + maskBytes;
  if (info.pixelOffset < info.paletteStart || info.pixelOffset >= n) return std::nullopt;
  if (bpp <= 8) {
    const size_t full = size_t{1} << bpp;
    if (hs == 12)  // no count in the header: as many as fit before the pixels
      info.paletteEntries = std::min(full, (info.pixelOffset - info.paletteStart) / 3);
    else
      info.paletteEntries = info.colorsUsed ? std::min<size_t>(info.colorsUsed, full) : full;
    if (info.paletteEntries == 0) return std::nullopt;
    if (info.paletteStart + info.paletteEntries * info.entrySize > info.pixelOffset)
      return std::nullopt;
  }

  info.stride = static_cast<size_t>((uint64_t{info.width} * bpp + 31) / 32 * 4);
  const size_t available = n - info.pixelOffset;
  if (info.compression == kRle8 || info.compression == kRle4) {
    if (uint64_t{info.width} * info.height > kMaxRlePixels) return std::nullopt;
  } else if (info.stride > available || info.height > available / info.stride) {
    return std::nullopt;  // the pixels would run past the end of the file
  }
  return info;
}

bool FreeImageReadsAsIs(const BmpInfo& info) {
  if (info.headerSize != 40 && info.headerSize != 12) return false;
  if (info.compression == kBitfields ? !StandardMasks(info.masks, info.bpp) : info.compression != kRgb)
    return false;
  if (info.bpp > 8) return info.colorsUsed == 0;
  const size_t full = size_t{1} << info.bpp;
  return info.headerSize == 40 ? info.colorsUsed <= full : info.paletteEntries == full;
}

}  // namespace bmp
