#include "engine/flip_stage.h"

#include "settings/settings.h"

void FlipStage(const Bitmap& bitmap) {
  if (!bitmap) return;
  if (settings.doImageFlipHorizontal == 1) FreeImage_FlipHorizontal(bitmap.get());
  if (settings.doImageFlipVertical == 1) FreeImage_FlipVertical(bitmap.get());
}
