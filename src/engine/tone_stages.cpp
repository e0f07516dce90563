#include "engine/tone_stages.h"

#include "settings/settings.h"

namespace {

// Floating-point and 16-bit-per-channel images go through the tonal stages as 24-bit.
Bitmap AtMost32Bits(Bitmap bitmap) {
  if (BitmapDepth(bitmap) > 32) bitmap.reset(FreeImage_ConvertTo24Bits(bitmap.get()));
  return bitmap;
}

}  // namespace

Bitmap ColourAdjustmentStage(Bitmap bitmap) {
  if (!bitmap || settings.doImageColorCorrection == 0) return bitmap;
  const unsigned depth = BitmapDepth(bitmap);
  if (depth < 8 || depth > 32) bitmap.reset(FreeImage_ConvertTo24Bits(bitmap.get()));
  if (!bitmap) return nullptr;
  FreeImage_AdjustColors(bitmap.get(), settings.imageBrightness, settings.imageContrast, settings.imageGamma,
                         settings.imageInvert != 0);
  return bitmap;
}

Bitmap GreyscaleStage(Bitmap bitmap) {
  if (!bitmap || settings.doImageGreyscale == 0) return bitmap;
  bitmap = AtMost32Bits(std::move(bitmap));
  return bitmap ? Bitmap(FreeImage_ConvertToGreyscale(bitmap.get())) : nullptr;
}

Bitmap ThresholdStage(Bitmap bitmap) {
  if (!bitmap || settings.doImageThreshold == 0) return bitmap;
  bitmap = AtMost32Bits(std::move(bitmap));
  return bitmap ? Bitmap(FreeImage_Threshold(bitmap.get(), static_cast<BYTE>(settings.imageThreshold))) : nullptr;
}
