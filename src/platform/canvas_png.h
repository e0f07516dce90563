#pragma once
// A canvas as a PNG file in memory (8-bit straight RGBA), the form in which drawings reach
// FreeImage.
#include "platform/canvas.h"

#include <cstdint>
#include <vector>

// Empty when the canvas is not Ok() or libpng fails.
std::vector<uint8_t> EncodePng(const Canvas& canvas);
