#include "engine/drawing_handover.h"

#include "engine/freeimage_io.h"
#include "platform/canvas_png.h"

Bitmap CanvasToBitmap(const Canvas& canvas) {
  const std::vector<uint8_t> png = EncodePng(canvas);
  if (png.empty()) return nullptr;
  return DecodeFromMemory(FIF_PNG, png.data(), png.size());
}
