#pragma once
#include <FreeImage.h>
#include <string>

// Writes a JPEG 2000 codestream (FIF_J2K) or JP2 file (FIF_JP2). FreeImage writes it where it can;
// but FreeImage always asks for six resolution levels, which OpenJPEG refuses for an image with a
// side under 32 pixels, so small images go through OpenJPEG directly, at FreeImage's default 16:1
// rate and with as many levels as the size allows. JPEG 2000 has no palettes: a colour palette
// image (an 8-bit colour source at automatic depth) goes out as 24-bit pixels.
bool WriteJpeg2000(FIBITMAP* dib, FREE_IMAGE_FORMAT format, int flags, const std::string& path);
