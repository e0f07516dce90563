#pragma once
// Single-image Windows icons of the sizes and depths FreeImage's own ICO writer gets wrong.
#include <FreeImage.h>
#include <string>

// FreeImage's ICO writer accepts only square icons from 16 × 16 to 256 × 256, and its 16-bit icons
// claim bit-field masks that it never writes, so no reader can open them.
bool FreeImageWritesIco(unsigned width, unsigned height, unsigned bpp);

// Writes `dib` as a single-image Windows icon at `path`, any size from 1 × 1 to 256 × 256 and any of
// the depths 1, 4, 8, 16, 24, 32. False when the file could not be written or the size is out of range.
bool WriteIco(FIBITMAP* dib, const std::string& path);
