#pragma once
// The tonal stages, in the order the pipeline runs them.
#include "platform/bitmap.h"

// Brightness, contrast, gamma and invert in FreeImage's one adjustment; images below 8 or above 32
// bits are adjusted as 24-bit. A bitmap FreeImage cannot adjust passes unchanged.
Bitmap ColourAdjustmentStage(Bitmap bitmap);
// An 8-bit grey image.
Bitmap GreyscaleStage(Bitmap bitmap);
// A 1-bit black-and-white image at the low 8 bits of "Image Threshold".
Bitmap ThresholdStage(Bitmap bitmap);
