#include "platform/picture.h"

#include "platform/bitmap.h"
#include "platform/little_endian.h"
#include "platform/mapped_file.h"
#include "platform/picture_decoders.h"

#include <cstring>
#include <memory>

namespace {

struct MemoryRelease {
  void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};

bool StartsWith(const uint8_t* data, size_t size, const char* signature, size_t length) {
  return size >= length && std::memcmp(data, signature, length) == 0;
}

// FreeImage decodes a cut-off uncompressed bitmap without complaint, leaving the missing rows as
// they happen to be; such a file must give nothing.
bool RowsCutOff(const uint8_t* data, size_t size) {
  constexpr uint32_t kRgb = 0, kBitfields = 3;
  if (size < 34 || Le32(data + 14) < 40) return false;
  const uint32_t compression = Le32(data + 30);
  if (compression != kRgb && compression != kBitfields) return false;
  const uint64_t width = Le32(data + 18), bits = uint64_t{data[28]} | uint64_t{data[29]} << 8;
  const auto height = static_cast<int32_t>(Le32(data + 22));
  const uint64_t rows = height < 0 ? uint64_t{0} - static_cast<int64_t>(height) : uint64_t(height);
  const uint64_t stride = (width * bits + 31) / 32 * 4;
  return Le32(data + 10) + stride * rows > size;
}

FIBITMAP* FreeImageBmp(const uint8_t* data, size_t size) {
  if (size > UINT32_MAX || RowsCutOff(data, size)) return nullptr;
  // FreeImage only reads from this memory.
  const std::unique_ptr<FIMEMORY, MemoryRelease> memory(
      FreeImage_OpenMemory(const_cast<uint8_t*>(data), static_cast<DWORD>(size)));
  return memory ? FreeImage_LoadFromMemory(FIF_BMP, memory.get(), 0) : nullptr;
}

}  // namespace

bool PictureSizeAllowed(uint64_t width, uint64_t height) {
  return width >= 1 && height >= 1 && width <= 32767 && height <= 32767 && width * height <= (uint64_t{1} << 28);
}

std::optional<Picture> PictureFromBitmap(FIBITMAP* dib) {
  if (!dib || FreeImage_GetImageType(dib) != FIT_BITMAP) return std::nullopt;
  const unsigned width = FreeImage_GetWidth(dib), height = FreeImage_GetHeight(dib);
  if (!PictureSizeAllowed(width, height)) return std::nullopt;
  const bool hasAlpha = FreeImage_GetBPP(dib) == 32;
  const Bitmap rgba(FreeImage_ConvertTo32Bits(dib));
  if (!rgba) return std::nullopt;
  Picture picture{int(width), int(height), hasAlpha, std::vector<uint8_t>(size_t(width) * height * 4)};
  uint8_t* out = picture.rgba.data();
  for (unsigned y = 0; y < height; ++y) {
    // FreeImage keeps rows bottom to top.
    const BYTE* in = FreeImage_GetScanLine(rgba.get(), static_cast<int>(height - 1 - y));
    for (unsigned x = 0; x < width; ++x, in += 4, out += 4) {
      out[0] = in[FI_RGBA_RED];
      out[1] = in[FI_RGBA_GREEN];
      out[2] = in[FI_RGBA_BLUE];
      out[3] = hasAlpha ? in[FI_RGBA_ALPHA] : 255;
    }
  }
  // Most 32-bit bitmaps without transparency leave the fourth byte 0; they are meant opaque.
  bool anyAlpha = false;
  for (size_t i = 3; i < picture.rgba.size() && !anyAlpha; i += 4) anyAlpha = picture.rgba[i] != 0;
  if (!anyAlpha)
    for (size_t i = 3; i < picture.rgba.size(); i += 4) picture.rgba[i] = 255;
  return picture;
}

std::optional<Picture> DecodePicture(const uint8_t* data, size_t size, const BmpDecoder& decodeBmp) {
  if (!data) return std::nullopt;
  if (StartsWith(data, size, "\x89PNG\r\n\x1a\n", 8)) return DecodePng(data, size);
  if (StartsWith(data, size, "\xff\xd8\xff", 3)) return DecodeJpeg(data, size);
  if (StartsWith(data, size, "BM", 2)) {
    const Bitmap dib(decodeBmp ? decodeBmp(data, size) : FreeImageBmp(data, size));
    return PictureFromBitmap(dib.get());
  }
  return std::nullopt;
}

std::optional<Picture> LoadPicture(const std::string& path, const BmpDecoder& decodeBmp) {
  const MappedFile file(path);
  if (!file.Ok()) return std::nullopt;
  return DecodePicture(file.Data(), file.Size(), decodeBmp);
}
