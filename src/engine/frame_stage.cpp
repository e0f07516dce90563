#include "engine/frame_stage.h"

#include "engine/drawing_handover.h"
#include "platform/canvas.h"
#include "settings/colour.h"
#include "settings/settings.h"

#include <algorithm>

namespace {

Rgba Opaque(const std::string& hex) {
  const Colour c = HexToColour(hex);
  return {c.red, c.green, c.blue, 255};
}

// The bands on a transparent canvas. Each band is a trapezoid whose inner corners are the frame's
// inner corners, so neighbours meet on the corner's diagonal; the corner rectangles lie under that
// line, one colour on each side of it.
void DrawBands(Canvas& canvas, double W, double H) {
  const Settings& s = settings;
  const double L = s.solidLeft, R = s.solidRight, T = s.solidTop, B = s.solidBottom;
  const Rgba left = Opaque(s.solidLeftColor), right = Opaque(s.solidRightColor);
  const Rgba top = Opaque(s.solidTopColor), bottom = Opaque(s.solidBottomColor);

  canvas.FillRectangle(0, 0, L, T, top, true);
  canvas.FillRectangle(W - R, 0, R, T, right, true);
  canvas.FillRectangle(W - R, H - B, R, B, bottom, true);
  canvas.FillRectangle(0, H - B, L, B, left, true);
  const Point topBand[] = {{0, 0}, {W, 0}, {W - R, T}, {L, T}};
  const Point rightBand[] = {{W, 0}, {W, H}, {W - R, H - B}, {W - R, T}};
  const Point bottomBand[] = {{W, H}, {0, H}, {L, H - B}, {W - R, H - B}};
  const Point leftBand[] = {{0, H}, {0, 0}, {L, T}, {L, H - B}};
  canvas.FillPolygon(topBand, top, true);
  canvas.FillPolygon(rightBand, right, true);
  canvas.FillPolygon(bottomBand, bottom, true);
  canvas.FillPolygon(leftBand, left, true);
}

}  // namespace

Bitmap FrameStage(Bitmap bitmap, unsigned width, unsigned height) {
  if (!bitmap || settings.doFrame == 0) return bitmap;
  if (BitmapDepth(bitmap) != 24) bitmap.reset(FreeImage_ConvertTo24Bits(bitmap.get()));
  if (!bitmap || settings.doFrame != 1) return bitmap;

  Canvas bands(static_cast<int>(width), static_cast<int>(height));
  Canvas frame(static_cast<int>(width), static_cast<int>(height));
  if (!bands.Ok() || !frame.Ok()) return bitmap;
  DrawBands(bands, width, height);
  frame.Draw(bands, 0, 0, static_cast<uint8_t>(std::clamp(settings.solidOpacity, 0, 255)));

  const Bitmap overlay = CanvasToBitmap(frame);
  if (!overlay) return bitmap;
  Bitmap framed(FreeImage_Composite(overlay.get(), FALSE, nullptr, bitmap.get()));
  return framed ? std::move(framed) : std::move(bitmap);
}
