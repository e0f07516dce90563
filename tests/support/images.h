#pragma once
// Small bitmaps with known pixels for the engine tests.
#include "engine/bitmap.h"

#include <string>

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
