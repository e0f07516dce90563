#include "engine/rotation_stage.h"

#include "settings/colour.h"
#include "settings/settings.h"

Bitmap RotationStage(Bitmap bitmap) {
  if (!bitmap || settings.doImageRotation == 0) return bitmap;
  const int angle = settings.imageRotation;
  if (angle <= 0 || angle >= 360) return bitmap;
  const unsigned depth = BitmapDepth(bitmap);
  if (depth <= 16 || depth > 32) bitmap.reset(FreeImage_ConvertTo24Bits(bitmap.get()));
  if (!bitmap) return nullptr;

  switch (settings.imageRotationType) {
    case 0: {
      const Colour back = HexToColour(settings.imageRotationBackColor);
      RGBQUAD colour{};
      colour.rgbRed = back.red;
      colour.rgbGreen = back.green;
      colour.rgbBlue = back.blue;
      return Bitmap(FreeImage_Rotate(bitmap.get(), angle, &colour));
    }
    case 1:
      // With the mask FreeImage leaves the uncovered corners black instead of filling them with
      // mirrored image content.
      return Bitmap(FreeImage_RotateEx(bitmap.get(), angle, 0, 0, BitmapWidth(bitmap) / 2.0,
                                       BitmapHeight(bitmap) / 2.0, TRUE));
    default: return bitmap;
  }
}
