#pragma once
#include "platform/bitmap.h"

// Icons are at most 128 × 128: a larger image in either direction is stretched to exactly
// 128 × 128 (the aspect ratio is not kept) and `width` and `height` follow.
Bitmap IconLimitStage(Bitmap bitmap, unsigned& width, unsigned& height);
