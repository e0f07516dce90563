#pragma once
#include <FreeImage.h>
#include <cstdint>
#include <string>

// Writes an 8-bit palette bitmap as a BMP file whose colour table holds only the entries the pixels
// use (the highest index used, plus one), with the header saying so. The pixel data is FreeImage's,
// written with `saveFlags`, so run-length encoding works as for any BMP.
bool WriteExactBmp(FIBITMAP* dib, int32_t saveFlags, const std::string& path);
