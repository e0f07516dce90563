#pragma once
// Drawings reach FreeImage as PNG data in memory.
#include "platform/bitmap.h"
#include "platform/canvas.h"

// The canvas as a 32-bit FreeImage bitmap with alpha, or null when it cannot be handed over.
Bitmap CanvasToBitmap(const Canvas& canvas);
