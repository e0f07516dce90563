#pragma once
// FreeImage decoding from bytes in memory or from an open file, without FreeImage's own memory
// streams: those copy reads one element at a time, which makes a large bitmap take several times
// as long as from a file. These streams copy each read in one piece.
#include "engine/bitmap.h"

#include <cstddef>
#include <cstdint>

Bitmap DecodeFromMemory(FREE_IMAGE_FORMAT format, const uint8_t* data, size_t size);
// Reads from the start of the open file `fd`, which stays open.
Bitmap DecodeFromFile(FREE_IMAGE_FORMAT format, int fd);
