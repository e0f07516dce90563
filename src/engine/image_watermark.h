#pragma once
#include "platform/bitmap.h"

// The picture named by "Image" as a 32-bit watermark with alpha, at "Image Opacity" and in grey when
// "Image Greyscale" is on; null when the picture cannot be loaded.
Bitmap RenderImageWatermark();
