#include "engine/resize_stage.h"

#include "settings/settings.h"

#include <algorithm>
#include <cmath>

namespace {

FREE_IMAGE_FILTER ResizeFilter(int algorithm) {
  switch (algorithm) {
    case 0: return FILTER_BOX;
    case 1: return FILTER_BILINEAR;
    case 2: return FILTER_BSPLINE;
    case 4: return FILTER_CATMULLROM;
    case 5: return FILTER_LANCZOS3;
    default: return FILTER_BICUBIC;
  }
}

// The other side of an image whose longer side becomes `target`, rounded with halves away from zero.
long FollowAspect(int target, unsigned longer, unsigned shorter) {
  const float ratio = static_cast<float>(longer) / static_cast<float>(shorter);
  return std::lround(target / static_cast<double>(ratio));
}

}  // namespace

int TargetSize(int value, int unit, unsigned current) {
  if (unit == 0) return value;
  if (unit != 1) return 0;
  // nearbyint rounds halves to even in the default rounding mode: 50 % of 101 is 50, of 103 is 52.
  const double pixels = std::nearbyint(value / 100.0 * current);
  return pixels > INT32_MAX ? INT32_MAX : pixels < INT32_MIN ? INT32_MIN : static_cast<int>(pixels);
}

Bitmap ResizeStage(Bitmap bitmap, unsigned width, unsigned height) {
  if (!bitmap || settings.doImageResize == 0) return bitmap;
  const int w = TargetSize(settings.imageWidth, settings.imageWidthUnit, width);
  const int h = TargetSize(settings.imageHeight, settings.imageHeightUnit, height);
  if (w <= 0 || h <= 0) return bitmap;
  if (static_cast<unsigned>(w) == width && static_cast<unsigned>(h) == height) return bitmap;
  if (settings.imageResizeType == 1 && width < static_cast<unsigned>(w) && height < static_cast<unsigned>(h))
    return bitmap;

  long newWidth = w, newHeight = h;
  if (settings.keepAspectRatio == 1) {
    if (width >= height) newHeight = FollowAspect(w, width, height);
    else newWidth = FollowAspect(h, height, width);
  }
  // A very flat image keeps at least one pixel on its short side rather than vanishing.
  newWidth = std::clamp<long>(newWidth, 1, INT32_MAX);
  newHeight = std::clamp<long>(newHeight, 1, INT32_MAX);
  return Bitmap(FreeImage_Rescale(bitmap.get(), static_cast<int>(newWidth), static_cast<int>(newHeight),
                                  ResizeFilter(settings.imageResizeAlgorithm)));
}
