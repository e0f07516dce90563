#pragma once
#include "platform/bitmap.h"

// Mirrors the image left-right and then top-bottom as the flip settings ask, in place.
void FlipStage(const Bitmap& bitmap);
