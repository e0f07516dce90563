#pragma once
#include "platform/bitmap.h"

// Paints four coloured bands along the edges, mitred at the corners, over the image with one
// opacity; the image keeps its size. Any frame setting but 0 leaves a 24-bit image, drawn or not.
Bitmap FrameStage(Bitmap bitmap, unsigned width, unsigned height);
