#include "engine/bmp_normalise.h"

#include "engine/bmp_rle.h"
#include "platform/little_endian.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace bmp {

namespace {

constexpr size_t kInfoHeader = 40;

// A 40-byte bitmap for FreeImage; the caller fills the pixels at Pixels().
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
    StoreLe32(p + 2, static_cast<uint32_t>(bytes_.size()));
    StoreLe32(p + 10, static_cast<uint32_t>(offset_));
    StoreLe32(p + 14, kInfoHeader);
    StoreLe32(p + 18, info.width);
    StoreLe32(p + 22, topDown ? -info.height : info.height);
    StoreLe16(p + 26, 1);
    StoreLe16(p + 28, static_cast<uint16_t>(bpp));
    StoreLe32(p + 30, compression);
    for (size_t i = 0; i < maskBytes / 4; ++i) StoreLe32(p + 54 + 4 * i, masks[i]);
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

}  // namespace

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

}  // namespace bmp
