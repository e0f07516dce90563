#include "engine/bmp_source.h"

#include "engine/bmp_header.h"
#include "engine/bmp_normalise.h"
#include "engine/freeimage_io.h"
#include "platform/mapped_file.h"

#include <functional>
#include <optional>
#include <vector>

namespace {

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

// Decodes a parsed bitmap; `asIs` decodes the unchanged file, for those FreeImage reads correctly.
Bitmap Decode(const bmp::BmpInfo& info, const uint8_t* data, size_t size, const std::function<Bitmap()>& asIs) {
  Bitmap dib;
  if (bmp::FreeImageReadsAsIs(info)) {
    dib = asIs();
  } else {
    const std::optional<std::vector<uint8_t>> plain = bmp::Normalise(info, data, size);
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
  const std::optional<bmp::BmpInfo> info = bmp::ParseBmp(data, size);
  if (!info) return nullptr;
  return Decode(*info, data, size, [&] { return DecodeFromMemory(FIF_BMP, data, size); });
}

Bitmap LoadBmpSource(const std::string& path) {
  const MappedFile file(path);
  if (!file.Ok() || file.Size() > UINT32_MAX) return nullptr;
  // Parsing touches only the headers and the palette of the mapping.
  const std::optional<bmp::BmpInfo> info = bmp::ParseBmp(file.Data(), file.Size());
  if (!info) return nullptr;
  // A file FreeImage reads as it is goes from the file straight into the bitmap, without a copy.
  return Decode(*info, file.Data(), file.Size(), [&] { return DecodeFromFile(FIF_BMP, file.Descriptor()); });
}
