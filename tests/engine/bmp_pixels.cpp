#include "engine/bmp_pixels.h"

#include <cstdlib>

std::vector<Rgba> ReadPixels(FIBITMAP* dib) {
  std::vector<Rgba> pixels;
  const unsigned w = FreeImage_GetWidth(dib), h = FreeImage_GetHeight(dib);
  const unsigned bpp = FreeImage_GetBPP(dib);
  const RGBQUAD* palette = FreeImage_GetPalette(dib);
  for (unsigned row = 0; row < h; ++row) {
    const unsigned y = h - 1 - row;  // FreeImage keeps the bottom row first
    for (unsigned x = 0; x < w; ++x) {
      RGBQUAD q{};
      if (bpp <= 8) {
        BYTE index = 0;
        FreeImage_GetPixelIndex(dib, x, y, &index);
        q = palette[index];
        q.rgbReserved = 255;
      } else {
        FreeImage_GetPixelColor(dib, x, y, &q);
        if (bpp != 32) q.rgbReserved = 255;
      }
      pixels.push_back({q.rgbRed, q.rgbGreen, q.rgbBlue, q.rgbReserved});
    }
  }
  return pixels;
}

std::string CompareImages(const std::vector<Rgba>& actual, const std::vector<Rgba>& expected,
                          int width, int tolerance) {
  if (actual.size() != expected.size())
    return "pixel count " + std::to_string(actual.size()) + " != " + std::to_string(expected.size());
  std::string report;
  int shown = 0;
  for (size_t i = 0; i < actual.size(); ++i) {
    const Rgba &a = actual[i], &e = expected[i];
    const bool close = std::abs(a.r - e.r) <= tolerance && std::abs(a.g - e.g) <= tolerance &&
                       std::abs(a.b - e.b) <= tolerance && std::abs(a.a - e.a) <= tolerance;
    if (close) continue;
    if (shown++ < 6)
      report += "at " + std::to_string(i % width) + "," + std::to_string(i / width) + ": " +
                ToString(a) + " expected " + ToString(e) + "\n";
  }
  if (shown > 6) report += std::to_string(shown) + " pixels differ\n";
  return report;
}
