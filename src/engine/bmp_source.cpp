#include "engine/bmp_source.h"

#include "engine/memory_decode.h"
#include "platform/mapped_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// What Debian's FreeImage 3.18 reads unaided, measured with our fixtures: 40-byte headers with
// BI_RGB at 1, 4, 8, 16, 24 and 32 bits, bottom-up or top-down; BI_BITFIELDS 5-5-5 and 5-6-5 at 16
// bits and 8-8-8 at 32 bits; OS/2 1.x 12-byte headers; RLE4. It refuses 52, 56, 108 and 124-byte
// and OS/2 2.x headers and RLE8 streams with an end of line before the end of bitmap, and misreads
// any other mask. Those files are rewritten here as a plain 40-byte bitmap; RLE is always decoded
// here, so that a damaged stream is handled by code that clips every write.

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;
constexpr size_t kFileHeader = 14, kInfoHeader = 40;
// An RLE file of a few bytes can claim any size; no real RLE bitmap comes near 2^28 pixels
// (256 MB at 8 bits), so larger claims are taken for damage instead of being allocated.
constexpr uint64_t kMaxRlePixels = uint64_t{1} << 28;

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
void Store16(uint8_t* p, uint16_t v) {
  p[0] = v & 0xFF;
  p[1] = v >> 8;
}
void Store32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = (v >> (8 * i)) & 0xFF;
}

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

// Masks FreeImage keeps as they are: 16-bit 5-5-5 and 5-6-5, 32-bit 8-8-8 with or without alpha.
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

// A 40-byte bitmap for FreeImage; the caller fills the pixels at PixelsOf().
class PlainBmp {
public:
  PlainBmp(const BmpInfo& info, const uint8_t* file, unsigned bpp, bool topDown, uint32_t compression,
           const Masks& masks) {
    const size_t entries = bpp <= 8 ? size_t{1} << bpp : 0;
    const size_t maskBytes = compression == kBitfields ? 12 : 0;
    stride_ = static_cast<size_t>((uint64_t{info.width} * bpp + 31) / 32 * 4);
    offset_ = kFileHeader + kInfoHeader + maskBytes + entries * 4;
    bytes_.assign(offset_ + stride_ * info.height, 0);
    uint8_t* p = bytes_.data();
    p[0] = 'B';
    p[1] = 'M';
    Store32(p + 2, static_cast<uint32_t>(bytes_.size()));
    Store32(p + 10, static_cast<uint32_t>(offset_));
    Store32(p + 14, kInfoHeader);
    Store32(p + 18, info.width);
    Store32(p + 22, topDown ? -info.height : info.height);
    Store16(p + 26, 1);
    Store16(p + 28, static_cast<uint16_t>(bpp));
    Store32(p + 30, compression);
    for (size_t i = 0; i < maskBytes / 4; ++i) Store32(p + 54 + 4 * i, masks[i]);
    // Entries the file leaves out stay black, so that any index has a colour.
    uint8_t* palette = p + kFileHeader + kInfoHeader + maskBytes;
    for (size_t i = 0; i < std::min(entries, info.paletteEntries); ++i) {
      const uint8_t* e = file + info.paletteStart + i * info.entrySize;
      std::copy(e, e + 3, palette + 4 * i);
    }
  }
  uint8_t* Pixels() { return bytes_.data() + offset_; }
  size_t Stride() const { return stride_; }
  std::vector<uint8_t> Take() && { return std::move(bytes_); }

private:
  std::vector<uint8_t> bytes_;
  size_t offset_ = 0, stride_ = 0;
};

// Decodes RLE4 or RLE8 into bottom-up rows of `stride` bytes. Pixels never written stay index 0;
// runs and deltas past the right or top edge are clipped. False when the stream ends before its
// end-of-bitmap mark and before the last row.
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

uint8_t Widen(uint32_t word, uint32_t mask) {
  const int shift = std::countr_zero(mask);
  const uint64_t max = mask >> shift;
  return static_cast<uint8_t>((((word & mask) >> shift) * uint64_t{255} + max / 2) / max);
}

// Any other masks: to 24-bit BGR, or 32-bit BGRA when there is an alpha mask.
void ExpandMasked(const BmpInfo& info, const uint8_t* file, PlainBmp& out) {
  const unsigned inBytes = info.bpp / 8, outBytes = info.masks[3] ? 4 : 3;
  for (uint32_t y = 0; y < info.height; ++y) {
    const uint8_t* in = file + info.pixelOffset + y * info.stride;
    uint8_t* o = out.Pixels() + y * out.Stride();
    for (uint32_t x = 0; x < info.width; ++x, in += inBytes, o += outBytes) {
      const uint32_t word = inBytes == 2 ? Le16(in) : Le32(in);
      o[0] = Widen(word, info.masks[2]);
      o[1] = Widen(word, info.masks[1]);
      o[2] = Widen(word, info.masks[0]);
      if (outBytes == 4) o[3] = Widen(word, info.masks[3]);
    }
  }
}

// Rewrites a file FreeImage cannot read as one it can; nullopt for a damaged RLE stream.
std::optional<std::vector<uint8_t>> Normalise(const BmpInfo& info, const uint8_t* file, size_t n) {
  const uint8_t* pixels = file + info.pixelOffset;
  if (info.compression == kRle8 || info.compression == kRle4) {
    PlainBmp out(info, file, info.bpp, false, kRgb, {});
    if (!DecodeRle(pixels, n - info.pixelOffset, info.bpp, info.width, info.height, out.Pixels(),
                   out.Stride()))
      return std::nullopt;
    return std::move(out).Take();
  }
  if (info.compression == kBitfields && !StandardMasks(info.masks, info.bpp)) {
    PlainBmp out(info, file, info.masks[3] ? 32 : 24, info.topDown, kRgb, {});
    ExpandMasked(info, file, out);
    return std::move(out).Take();
  }
  // Only the header changes: the rows are copied as they are. 5-6-5 keeps its masks; 5-5-5 and
  // 8-8-8 are what BI_RGB means at 16 and 32 bits.
  const bool keepMasks = info.compression == kBitfields && info.bpp == 16 && info.masks[0] == 0xF800;
  PlainBmp out(info, file, info.bpp, info.topDown, keepMasks ? kBitfields : kRgb, info.masks);
  std::copy(pixels, pixels + info.stride * info.height, out.Pixels());
  return std::move(out).Take();
}

// Windows shows a 32-bit bitmap whose alpha is zero everywhere as opaque.
void OpaqueWhenAlphaUnused(FIBITMAP* dib) {
  if (FreeImage_GetBPP(dib) != 32 || FreeImage_GetImageType(dib) != FIT_BITMAP) return;
  const unsigned width = FreeImage_GetWidth(dib), height = FreeImage_GetHeight(dib);
  for (unsigned y = 0; y < height; ++y) {
    const BYTE* row = FreeImage_GetScanLine(dib, y);
    for (unsigned x = 0; x < width; ++x)
      if (row[4 * x + FI_RGBA_ALPHA]) return;
  }
  for (unsigned y = 0; y < height; ++y) {
    BYTE* row = FreeImage_GetScanLine(dib, y);
    for (unsigned x = 0; x < width; ++x) row[4 * x + FI_RGBA_ALPHA] = 255;
  }
}

}  // namespace

namespace {

// Decodes a parsed bitmap; `asIs` decodes the unchanged file, for those FreeImage reads correctly.
Bitmap Decode(const BmpInfo& info, const uint8_t* data, size_t size, const std::function<Bitmap()>& asIs) {
  Bitmap dib;
  if (FreeImageReadsAsIs(info)) {
    dib = asIs();
  } else {
    const std::optional<std::vector<uint8_t>> plain = Normalise(info, data, size);
    if (!plain) return nullptr;
    dib = DecodeFromMemory(FIF_BMP, plain->data(), plain->size());
  }
  if (!dib || FreeImage_GetWidth(dib.get()) != info.width || FreeImage_GetHeight(dib.get()) != info.height)
    return nullptr;
  OpaqueWhenAlphaUnused(dib.get());
  return dib;
}

}  // namespace

Bitmap DecodeBmp(const uint8_t* data, size_t size) {
  if (!data || size > UINT32_MAX) return nullptr;  // BMP offsets are 32-bit
  const std::optional<BmpInfo> info = ParseBmp(data, size);
  if (!info) return nullptr;
  return Decode(*info, data, size, [&] { return DecodeFromMemory(FIF_BMP, data, size); });
}

Bitmap LoadBmpSource(const std::string& path) {
  const MappedFile file(path);
  if (!file.Ok() || file.Size() > UINT32_MAX) return nullptr;
  // Parsing touches only the headers and the palette of the mapping.
  const std::optional<BmpInfo> info = ParseBmp(file.Data(), file.Size());
  if (!info) return nullptr;
  // A file FreeImage reads as it is goes from the file straight into the bitmap, without a copy.
  return Decode(*info, file.Data(), file.Size(), [&] { return DecodeFromFile(FIF_BMP, file.Descriptor()); });
}
