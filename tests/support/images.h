#pragma once
// Small bitmaps with known pixels for the engine tests.
#include "platform/bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

// A 24-bit image whose every pixel differs from its neighbours: red grows with x, green with y,
// blue with both, so flipped rows, swapped channels or shifted columns all show.
Bitmap MakeColourful(unsigned width, unsigned height);
// `bitmap` converted to `depth` bits with FreeImage (8 gives a quantised palette image, 32 an
// image with an alpha ramp).
Bitmap MakeAtDepth(unsigned width, unsigned height, unsigned depth);
// Saves `bitmap` as an ordinary BMP file.
void SaveBmp(const Bitmap& bitmap, const std::string& path);
// RGB of one pixel, counted from the top row, as 0xRRGGBB.
uint32_t PixelRgb(FIBITMAP* dib, unsigned x, unsigned yFromTop);

// An image as ImageMagick decodes it, 0xRRGGBB per pixel, rows from the top.
struct RgbImage {
  unsigned width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(unsigned x, unsigned y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
// Empty (0 × 0) when ImageMagick cannot read the file.
RgbImage DecodeWithImageMagick(const std::string& path);

// The smallest box holding every pixel of `colour`; all zero when there is none.
struct Box {
  unsigned left = 0, top = 0, right = 0, bottom = 0;  // inclusive
  bool found = false;
};
Box FindColour(const RgbImage& image, uint32_t colour);

// A width × height image filled with one colour.
Bitmap MakeFilled(unsigned width, unsigned height, uint32_t rgb);
