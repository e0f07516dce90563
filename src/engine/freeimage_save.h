#pragma once
// FreeImage's own writers, fed into memory and written to the file in one piece. Writing straight
// to a file lets plug-ins such as TIFF seek and flush once per strip (four system calls per 8 KB),
// which made an uncompressed TIFF cost more than the whole image work. The memory is kept for the
// next file of the same thread, since touching fresh pages costs nearly as much as those calls.
#include <FreeImage.h>

#include <string>

bool SaveWithFreeImage(FREE_IMAGE_FORMAT format, FIBITMAP* dib, int flags, const std::string& path);
