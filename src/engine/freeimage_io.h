#pragma once
// FreeImage reading and writing through streams of our own instead of FreeImage's memory streams
// and files. Its memory streams copy reads one element at a time, which makes a large bitmap take
// several times as long as from a file. Writing straight to a file lets plug-ins such as TIFF seek
// and flush once per strip (four system calls per 8 KB), which cost more than the image work itself.
#include "platform/bitmap.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

Bitmap DecodeFromMemory(FREE_IMAGE_FORMAT format, const uint8_t* data, size_t size);
// Reads from the start of the open file `fd`, which stays open.
Bitmap DecodeFromFile(FREE_IMAGE_FORMAT format, int fd);

// The file FreeImage writes for `dib`, in a buffer of the calling thread that the next encoding on
// that thread reuses; empty when FreeImage fails. The buffer is kept because touching fresh pages
// costs nearly as much as the system calls it saves.
std::span<const uint8_t> EncodeWithFreeImage(FREE_IMAGE_FORMAT format, FIBITMAP* dib, int flags);
// The same, written to `path` in one piece.
bool SaveWithFreeImage(FREE_IMAGE_FORMAT format, FIBITMAP* dib, int flags, const std::string& path);
