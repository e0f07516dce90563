#pragma once
#include "platform/bitmap.h"

// Where a watermark goes: the position (0 top left … 8 bottom right), the offsets from the chosen
// edges, the boundary (0 the whole image, 1 inside the frame while a frame is on) and a rotation.
struct WatermarkPlacement {
  int position;
  int xOffset;
  int yOffset;
  int boundary;
  int rotation;
};

// Rotates the watermark, cuts it to the available area minus the offsets, positions it and
// composites it over the W × H image. A watermark that does not fit where it belongs (negative
// offsets, or offsets beyond the area) is left out and the image comes back as it was.
Bitmap PlaceWatermark(Bitmap image, Bitmap watermark, unsigned width, unsigned height,
                      const WatermarkPlacement& placement);
