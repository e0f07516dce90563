#include "engine/icon_limit.h"

#include "settings/settings.h"

Bitmap IconLimitStage(Bitmap bitmap, unsigned& width, unsigned& height) {
  constexpr unsigned kLimit = 128;
  if (!bitmap || job.outputExtension != "ico" || (width <= kLimit && height <= kLimit)) return bitmap;
  width = height = kLimit;
  return Bitmap(FreeImage_Rescale(bitmap.get(), kLimit, kLimit, FILTER_BICUBIC));
}
