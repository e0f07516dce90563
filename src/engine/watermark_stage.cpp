#include "engine/watermark_stage.h"

#include "engine/image_watermark.h"
#include "engine/text_watermark.h"
#include "engine/watermark_placement.h"
#include "settings/settings.h"

Bitmap WatermarkStage(Bitmap bitmap, unsigned width, unsigned height) {
  if (!bitmap || settings.doWatermark == 0) return bitmap;
  if (BitmapDepth(bitmap) != 24) bitmap.reset(FreeImage_ConvertTo24Bits(bitmap.get()));
  if (!bitmap) return nullptr;
  const Settings& s = settings;
  switch (s.doWatermark) {
    case 1:
      return PlaceWatermark(std::move(bitmap), RenderTextWatermark(), width, height,
                            {s.textPosition, s.textXOffset, s.textYOffset, s.textBoundary, s.textRotation});
    case 2:
      return PlaceWatermark(std::move(bitmap), RenderImageWatermark(), width, height,
                            {s.imagePosition, s.imageXOffset, s.imageYOffset, s.imageBoundary,
                             s.imageWatermarkRotation});
    default: return bitmap;
  }
}
