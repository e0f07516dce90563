#include "engine/watermark_placement.h"

#include "settings/settings.h"

namespace {

struct Area {
  long left = 0, top = 0, width = 0, height = 0;
};

Area AvailableArea(unsigned width, unsigned height, int boundary) {
  if (settings.doFrame != 0 && boundary == 1)
    return {settings.solidLeft, settings.solidTop,
            static_cast<long>(width) - settings.solidLeft - settings.solidRight,
            static_cast<long>(height) - settings.solidTop - settings.solidBottom};
  return {0, 0, static_cast<long>(width), static_cast<long>(height)};
}

}  // namespace

Bitmap PlaceWatermark(Bitmap image, Bitmap watermark, unsigned width, unsigned height,
                      const WatermarkPlacement& placement) {
  if (!image || !watermark) return image;
  if (placement.rotation > 0 && placement.rotation < 360)
    watermark.reset(FreeImage_Rotate(watermark.get(), placement.rotation, nullptr));
  if (!watermark) return image;

  const Area area = AvailableArea(width, height, placement.boundary);
  const long X = placement.xOffset, Y = placement.yOffset;
  long w = BitmapWidth(watermark), h = BitmapHeight(watermark);
  const long croppedWidth = w + X > area.width ? area.width - X : w;
  const long croppedHeight = h + Y > area.height ? area.height - Y : h;
  if (croppedWidth != w || croppedHeight != h) {
    if (croppedWidth <= 0 || croppedHeight <= 0) return image;
    watermark.reset(FreeImage_Copy(watermark.get(), 0, 0, static_cast<int>(croppedWidth),
                                   static_cast<int>(croppedHeight)));
    if (!watermark) return image;
    w = croppedWidth;
    h = croppedHeight;
  }

  long x = 0, y = 0;
  const long centreX = (area.width - w) / 2, rightX = area.width - w - X;
  const long middleY = (area.height - h) / 2, bottomY = area.height - h - Y;
  switch (placement.position) {
    case 0: x = X, y = Y; break;
    case 1: x = centreX, y = Y; break;
    case 2: x = rightX, y = Y; break;
    case 3: x = X, y = middleY; break;
    case 4: x = centreX, y = middleY; break;
    case 5: x = rightX, y = middleY; break;
    case 6: x = X, y = bottomY; break;
    case 7: x = centreX, y = bottomY; break;
    case 8: x = rightX, y = bottomY; break;
    default: break;
  }
  x += area.left;
  y += area.top;
  // FreeImage pastes only what fits entirely; anything else leaves the image untouched.
  if (x < 0 || y < 0 || x + w > static_cast<long>(width) || y + h > static_cast<long>(height)) return image;

  Bitmap layer(FreeImage_AllocateT(FIT_BITMAP, static_cast<int>(width), static_cast<int>(height),
                                   static_cast<int>(BitmapDepth(watermark))));
  // A paste "alpha" of 255 would blend the watermark into the empty layer at 255/256, dimming every
  // colour and leaving opaque pixels slightly see-through; above 255 FreeImage copies it as it is.
  constexpr int kCopy = 256;
  if (!layer || !FreeImage_Paste(layer.get(), watermark.get(), static_cast<int>(x), static_cast<int>(y), kCopy))
    return image;
  Bitmap composed(FreeImage_Composite(layer.get(), FALSE, nullptr, image.get()));
  return composed ? std::move(composed) : std::move(image);
}
