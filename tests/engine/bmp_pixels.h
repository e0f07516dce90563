#pragma once
// Reads a decoded bitmap back as colours, top row first, through FreeImage's own pixel accessors.
#include "engine/bmp_fixtures.h"
#include "platform/bitmap.h"

#include <vector>

// Indexed bitmaps through their palette; 16-bit through FreeImage's 5-5-5/5-6-5 view; alpha 255
// below 32 bits.
std::vector<Rgba> ReadPixels(FIBITMAP* dib);

// Empty when equal, else the first few differences, for a readable failure. `tolerance` allows
// for rounding when a narrow channel is widened to 8 bits.
std::string CompareImages(const std::vector<Rgba>& actual, const std::vector<Rgba>& expected,
                          int width, int tolerance = 0);
