#include "engine/ico_writer.h"

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"
#include "platform/replacing_file.h"

namespace {

constexpr unsigned kMaxSide = 256;
constexpr uint32_t kBiRgb = 0;
constexpr size_t kDirectoryBytes = 6 + 16;
constexpr size_t kInfoHeaderBytes = 40;

class Bytes {
public:
  void U8(unsigned v) { data_.push_back(static_cast<uint8_t>(v)); }
  void U16(unsigned v) {
    U8(v & 0xFF);
    U8((v >> 8) & 0xFF);
  }
  void U32(uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void Append(const uint8_t* p, size_t n) { data_.insert(data_.end(), p, p + n); }
  void Zeros(size_t n) { data_.insert(data_.end(), n, 0); }
  const std::vector<uint8_t>& Data() const { return data_; }

private:
  std::vector<uint8_t> data_;
};

bool SupportedDepth(unsigned bpp) {
  return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

size_t RowBytes(unsigned width, unsigned bpp) { return (size_t{width} * bpp + 31) / 32 * 4; }

// The 1-bit AND mask: a set bit lets the background through. Only 32-bit icons have alpha to derive it from.
std::vector<uint8_t> AndMask(FIBITMAP* dib) {
  const unsigned width = FreeImage_GetWidth(dib);
  const unsigned height = FreeImage_GetHeight(dib);
  const size_t row_bytes = RowBytes(width, 1);
  std::vector<uint8_t> mask(row_bytes * height, 0);
  if (FreeImage_GetBPP(dib) != 32) return mask;
  for (unsigned y = 0; y < height; ++y) {  // bottom-up, like the colour rows
    const BYTE* line = FreeImage_GetScanLine(dib, y);
    for (unsigned x = 0; x < width; ++x) {
      if (line[x * 4 + FI_RGBA_ALPHA] == 0) mask[y * row_bytes + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
  return mask;
}

std::vector<uint8_t> IconFile(FIBITMAP* dib) {
  const unsigned width = FreeImage_GetWidth(dib);
  const unsigned height = FreeImage_GetHeight(dib);
  const unsigned bpp = FreeImage_GetBPP(dib);
  const unsigned palette_entries = bpp <= 8 ? 1U << bpp : 0;
  const size_t xor_row = RowBytes(width, bpp);
  const std::vector<uint8_t> mask = AndMask(dib);
  const size_t pixel_bytes = xor_row * height + mask.size();
  const size_t image_bytes = kInfoHeaderBytes + palette_entries * 4 + pixel_bytes;

  Bytes out;
  out.U16(0);  // ICONDIR: reserved, type 1 = icon, one image
  out.U16(1);
  out.U16(1);
  out.U8(width % kMaxSide);  // ICONDIRENTRY: 0 stands for 256
  out.U8(height % kMaxSide);
  out.U8(palette_entries % kMaxSide);
  out.U8(0);
  out.U16(1);
  out.U16(bpp);
  out.U32(static_cast<uint32_t>(image_bytes));
  out.U32(static_cast<uint32_t>(kDirectoryBytes));

  out.U32(kInfoHeaderBytes);  // BITMAPINFOHEADER, its height covering colour rows and mask
  out.U32(width);
  out.U32(height * 2);
  out.U16(1);
  out.U16(bpp);
  out.U32(kBiRgb);
  out.U32(static_cast<uint32_t>(pixel_bytes));
  out.U32(0);
  out.U32(0);
  out.U32(0);
  out.U32(0);

  const RGBQUAD* palette = FreeImage_GetPalette(dib);
  const unsigned used = palette ? FreeImage_GetColorsUsed(dib) : 0;
  for (unsigned i = 0; i < palette_entries; ++i) {
    const RGBQUAD c = i < used ? palette[i] : RGBQUAD{};
    out.U8(c.rgbBlue);
    out.U8(c.rgbGreen);
    out.U8(c.rgbRed);
    out.U8(0);
  }
  const size_t line_bytes = (size_t{width} * bpp + 7) / 8;
  for (unsigned y = 0; y < height; ++y) {  // FreeImage's rows are already bottom-up, as icons store them
    out.Append(FreeImage_GetScanLine(dib, y), line_bytes);
    out.Zeros(xor_row - line_bytes);
  }
  out.Append(mask.data(), mask.size());
  return out.Data();
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  return WriteWholeFile(path, bytes.data(), bytes.size());
}

}  // namespace

bool FreeImageWritesIco(unsigned width, unsigned height, unsigned bpp) {
  return width == height && width >= 16 && width <= kMaxSide && bpp != 16;
}

bool WriteIco(FIBITMAP* dib, const std::string& path) {
  if (!dib || !FreeImage_HasPixels(dib) || FreeImage_GetImageType(dib) != FIT_BITMAP) return false;
  const unsigned width = FreeImage_GetWidth(dib);
  const unsigned height = FreeImage_GetHeight(dib);
  if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide) return false;
  if (!SupportedDepth(FreeImage_GetBPP(dib))) return false;
  // ImageMagick takes any icon of 16 bits or fewer for a palette image and fails on 16-bit ones, so
  // those become 24-bit icons, which every reader opens and which hold 5-5-5 and 5-6-5 colours exactly.
  if (FreeImage_GetBPP(dib) == 16) {
    const Bitmap widened(FreeImage_ConvertTo24Bits(dib));
    return widened && WriteFile(path, IconFile(widened.get()));
  }
  return WriteFile(path, IconFile(dib));
}
