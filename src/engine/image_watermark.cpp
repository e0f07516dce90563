#include "engine/image_watermark.h"

#include "engine/bmp_source.h"
#include "engine/drawing_handover.h"
#include "platform/canvas.h"
#include "platform/picture.h"
#include "settings/settings.h"

#include <algorithm>

Bitmap RenderImageWatermark() {
  // Watermark bitmaps get the same BMP reader as the sources, V4 and V5 headers included.
  const auto picture = LoadPicture(settings.image, [](const uint8_t* data, size_t size) {
    return DecodeBmp(data, size).release();
  });
  if (!picture) return nullptr;
  const Canvas source = Canvas::FromRgba(picture->width, picture->height, picture->rgba);
  Canvas canvas(picture->width, picture->height);
  if (!source.Ok() || !canvas.Ok()) return nullptr;
  // A picture without alpha is drawn over black, so at lower opacities it darkens but stays opaque.
  if (!picture->hasAlpha) canvas.Fill({0, 0, 0, 255});
  const auto opacity = static_cast<uint8_t>(std::clamp(settings.imageOpacity, 0, 255));
  if (settings.imageGreyscale == 1) canvas.DrawFiltered(source, 0, 0, opacity, GreyPixel);
  else canvas.Draw(source, 0, 0, opacity);
  return CanvasToBitmap(canvas);
}
