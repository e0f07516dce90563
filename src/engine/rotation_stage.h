#pragma once
#include "platform/bitmap.h"

// Rotates by "Image Rotation" degrees (only 1..359 rotate). Simple rotation grows the canvas to hold
// the whole image, the uncovered corners in "Image Rotation Back Color"; advanced rotation turns
// about the centre and keeps the size, the corners black. Bitmaps of other depths than 24 and 32
// bits are rotated as 24-bit.
Bitmap RotationStage(Bitmap bitmap);
