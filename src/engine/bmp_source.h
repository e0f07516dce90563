#pragma once
// Reading the source image: Windows and OS/2 bitmaps, whatever the file is called (.bmp, .rle,
// .dib). The file is checked and, where Debian's FreeImage 3.18 would refuse or misread it,
// rewritten in memory into a form it reads; FreeImage then decodes it as FIF_BMP.
#include "platform/bitmap.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Decodes a Windows bitmap file, whatever its extension. Null when the file is not a bitmap this
// program can read, or is damaged: never a partial image, never a crash.
Bitmap LoadBmpSource(const std::string& path);
Bitmap DecodeBmp(const uint8_t* data, size_t size);
