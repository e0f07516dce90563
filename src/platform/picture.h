#pragma once
// Pictures for the image watermark: BMP, PNG and JPEG files, recognised by their first bytes
// whatever they are called, decoded into straight RGBA ready for Canvas::FromRgba.
#include <FreeImage.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct Picture {
  int width = 0;
  int height = 0;
  bool hasAlpha = false;      // a 32-bit BMP, or a PNG with an alpha channel or tRNS transparency
  std::vector<uint8_t> rgba;  // 4 bytes a pixel, rows top to bottom, straight alpha
};

// Decodes BMP bytes into a FreeImage bitmap the caller then owns, or null. Debian's FreeImage
// refuses the V4 and V5 headers most programs write today, so the engine hands in its own BMP
// reader; without one, FreeImage reads the bytes as they are.
using BmpDecoder = std::function<FIBITMAP*(const uint8_t* data, size_t size)>;

// Nothing for a missing, empty, truncated or damaged file, a file of another kind, or a picture
// with a side above 32767 or more than 2^28 pixels (it could not become a canvas).
std::optional<Picture> LoadPicture(const std::string& path, const BmpDecoder& decodeBmp = {});
std::optional<Picture> DecodePicture(const uint8_t* data, size_t size, const BmpDecoder& decodeBmp = {});
