#pragma once
#include "platform/bitmap.h"

// Pixels for a size setting: the value itself in pixels (unit 0), the value in percent of `current`
// rounded to the nearest pixel with halves to even (unit 1), 0 for any other unit.
int TargetSize(int value, int unit, unsigned current);

// Resizes to "Image Width" × "Image Height" with the chosen filter. With "Keep Aspect Ratio" the
// longer side takes its target and the other follows; with "Image Resize Type" 1 an image smaller
// than the target in both directions is left alone. `width` × `height` is the current size.
Bitmap ResizeStage(Bitmap bitmap, unsigned width, unsigned height);
