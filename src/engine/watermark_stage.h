#pragma once
#include "platform/bitmap.h"

// Stamps the text ("Do Watermark" 1) or picture (2) watermark on the W × H image. Any setting but 0
// leaves a 24-bit image, stamped or not.
Bitmap WatermarkStage(Bitmap bitmap, unsigned width, unsigned height);
