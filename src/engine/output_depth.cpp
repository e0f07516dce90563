#include "engine/output_depth.h"

#include "settings/format_tables.h"
#include "settings/settings.h"

namespace {

bool OneOf(std::string_view extension, std::initializer_list<std::string_view> extensions) {
  for (std::string_view e : extensions)
    if (e == extension) return true;
  return false;
}

// FreeImage's conversions leave the input alone and return a new bitmap (or null).
Bitmap Convert(const Bitmap& from, FIBITMAP* (*conversion)(FIBITMAP*)) {
  return Bitmap(conversion(from.get()));
}

Bitmap ConvertTo(Bitmap bitmap, int depth, std::string_view extension) {
  switch (depth) {
    case 96: return Convert(bitmap, FreeImage_ConvertToRGBF);
    case 48: return Convert(bitmap, FreeImage_ConvertToRGB16);
    case 32: return Convert(bitmap, FreeImage_ConvertTo32Bits);
    case 24: return Convert(bitmap, FreeImage_ConvertTo24Bits);
    case 16:
      if (BitmapDepth(bitmap) > 32) bitmap = Convert(bitmap, FreeImage_ConvertTo24Bits);
      if (!bitmap) return nullptr;
      // Icons and Targa files hold 16-bit pixels as 5-5-5; everything else takes 5-6-5.
      return Convert(bitmap, OneOf(extension, {"ico", "tga"}) ? FreeImage_ConvertTo16Bits555
                                                              : FreeImage_ConvertTo16Bits565);
    case 8:
      // These formats have no palettes: 8 bits means grey.
      if (OneOf(extension, {"jpg", "j2k", "jp2", "jxr"})) return Convert(bitmap, FreeImage_ConvertTo8Bits);
      if (BitmapDepth(bitmap) != 24) bitmap = Convert(bitmap, FreeImage_ConvertTo24Bits);
      if (!bitmap) return nullptr;
      return Bitmap(FreeImage_ColorQuantizeEx(bitmap.get(), FIQ_WUQUANT, 256, 0, nullptr));
    case 4: return Convert(bitmap, FreeImage_ConvertTo4Bits);
    case 1: return Bitmap(FreeImage_Dither(bitmap.get(), FID_FS));
    default: return nullptr;
  }
}

}  // namespace

int AutomaticDepth(std::string_view extension, int sourceDepth) {
  const OutputFormat* format = FindOutputFormat(extension);
  if (!format) return 0;
  const auto depths = DepthValues(*format);
  for (int depth : depths)
    if (depth >= sourceDepth) return depth;
  return depths.back();
}

void ResolveOutputDepth() {
  if (job.automaticDepth == 1) job.outputBitDepth = AutomaticDepth(job.outputExtension, job.sourceBitDepth);
}

Bitmap BitDepthStage(Bitmap bitmap) {
  if (!bitmap) return nullptr;
  ResolveOutputDepth();
  if (BitmapDepth(bitmap) == static_cast<unsigned>(job.outputBitDepth)) return bitmap;
  return ConvertTo(std::move(bitmap), job.outputBitDepth, job.outputExtension);
}
