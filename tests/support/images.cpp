#include "support/images.h"

#include <algorithm>

#include "support/test_files.h"

#include <cstdio>
#include <stdexcept>

Bitmap MakeColourful(unsigned width, unsigned height) {
  Bitmap dib(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 24));
  for (unsigned y = 0; y < height; ++y) {
    BYTE* row = FreeImage_GetScanLine(dib.get(), static_cast<int>(height - 1 - y));
    for (unsigned x = 0; x < width; ++x) {
      row[3 * x + FI_RGBA_RED] = static_cast<BYTE>(x * 255 / (width > 1 ? width - 1 : 1));
      row[3 * x + FI_RGBA_GREEN] = static_cast<BYTE>(y * 255 / (height > 1 ? height - 1 : 1));
      row[3 * x + FI_RGBA_BLUE] = static_cast<BYTE>((x * 37 + y * 91) & 0xFF);
    }
  }
  return dib;
}

Bitmap MakeAtDepth(unsigned width, unsigned height, unsigned depth) {
  Bitmap colourful = MakeColourful(width, height);
  switch (depth) {
    case 24: return colourful;
    case 8: return Bitmap(FreeImage_ColorQuantizeEx(colourful.get(), FIQ_WUQUANT, 256, 0, nullptr));
    case 32: {
      Bitmap rgba(FreeImage_ConvertTo32Bits(colourful.get()));
      for (unsigned y = 0; y < height; ++y) {
        BYTE* row = FreeImage_GetScanLine(rgba.get(), static_cast<int>(y));
        for (unsigned x = 0; x < width; ++x) row[4 * x + FI_RGBA_ALPHA] = static_cast<BYTE>(255 - (x + y) % 128);
      }
      return rgba;
    }
    default: throw std::invalid_argument("depth");
  }
}

void SaveBmp(const Bitmap& bitmap, const std::string& path) {
  if (!FreeImage_Save(FIF_BMP, bitmap.get(), path.c_str(), 0)) throw std::runtime_error("cannot save " + path);
}

uint32_t PixelRgb(FIBITMAP* dib, unsigned x, unsigned yFromTop) {
  RGBQUAD q{};
  const unsigned y = FreeImage_GetHeight(dib) - 1 - yFromTop;
  if (FreeImage_GetBPP(dib) <= 8) {
    BYTE index = 0;
    FreeImage_GetPixelIndex(dib, x, y, &index);
    q = FreeImage_GetPalette(dib)[index];
  } else {
    FreeImage_GetPixelColor(dib, x, y, &q);
  }
  return static_cast<uint32_t>(q.rgbRed) << 16 | q.rgbGreen << 8 | q.rgbBlue;
}

RgbImage DecodeWithImageMagick(const std::string& path) {
  RgbImage image;
  std::string size;
  if (RunCommand("/usr/bin/identify -format '%w %h' " + Quote(path), &size) != 0 ||
      std::sscanf(size.c_str(), "%u %u", &image.width, &image.height) != 2)
    return {};
  ScratchFolder dir;
  const std::string raw = dir.File("pixels.rgb");
  if (RunCommand("/usr/bin/convert " + Quote(path) + " -depth 8 " + Quote("rgb:" + raw)) != 0) return {};
  const std::vector<uint8_t> bytes = ReadBytes(raw);
  if (bytes.size() != static_cast<size_t>(image.width) * image.height * 3) return {};
  for (size_t i = 0; i < bytes.size(); i += 3)
    image.pixels.push_back(static_cast<uint32_t>(bytes[i]) << 16 | bytes[i + 1] << 8 | bytes[i + 2]);
  return image;
}

Box FindColour(const RgbImage& image, uint32_t colour) {
  Box box;
  for (unsigned y = 0; y < image.height; ++y)
    for (unsigned x = 0; x < image.width; ++x) {
      if (image.At(x, y) != colour) continue;
      if (!box.found) box = {x, y, x, y, true};
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x);
      box.bottom = std::max(box.bottom, y);
    }
  return box;
}

Bitmap MakeFilled(unsigned width, unsigned height, uint32_t rgb) {
  Bitmap dib(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 24));
  RGBQUAD q{};
  q.rgbRed = static_cast<BYTE>(rgb >> 16);
  q.rgbGreen = static_cast<BYTE>(rgb >> 8);
  q.rgbBlue = static_cast<BYTE>(rgb);
  FreeImage_FillBackground(dib.get(), &q, 0);
  return dib;
}
