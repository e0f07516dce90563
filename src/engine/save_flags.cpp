#include "engine/save_flags.h"

#include "settings/settings.h"

#include <FreeImage.h>
#include <initializer_list>

namespace {

// The flag that stands for an option's value; 0 for a value outside the list.
int32_t Pick(int32_t value, std::initializer_list<int32_t> flagByValue) {
  if (value < 0 || static_cast<size_t>(value) >= flagByValue.size()) return 0;
  return flagByValue.begin()[value];
}

}  // namespace

int32_t SaveFlags(std::string_view extension) {
  const Settings& s = settings;
  if (extension == "bmp") return Pick(s.bmpCompression, {0, BMP_SAVE_RLE});
  if (extension == "exr")
    return Pick(s.exrCompression, {EXR_NONE, EXR_ZIP, EXR_PIZ, EXR_PXR24, EXR_B44});
  if (extension == "jpg")
    return s.jpgQuality |
           Pick(s.jpgChroma, {JPEG_SUBSAMPLING_444, JPEG_SUBSAMPLING_422, JPEG_SUBSAMPLING_420,
                              JPEG_SUBSAMPLING_411}) |
           Pick(s.jpgSaveAs, {0, JPEG_BASELINE, JPEG_OPTIMIZE, JPEG_PROGRESSIVE});
  if (extension == "jxr") return JXR_LOSSLESS;
  if (extension == "png")
    return Pick(s.pngCompression, {PNG_Z_NO_COMPRESSION, PNG_Z_BEST_SPEED, PNG_Z_DEFAULT_COMPRESSION,
                                   PNG_Z_BEST_COMPRESSION}) |
           (s.pngInterlaced != 0 ? PNG_INTERLACED : 0);
  if (extension == "tga") return Pick(s.tgaCompression, {0, TARGA_SAVE_RLE});
  if (extension == "tiff")
    return Pick(s.tiffCompression, {TIFF_NONE, TIFF_CCITTFAX3, TIFF_CCITTFAX4, TIFF_PACKBITS,
                                    TIFF_DEFLATE, TIFF_ADOBE_DEFLATE, TIFF_LZW, TIFF_JPEG, TIFF_LOGLUV}) |
           (s.tiffColorModel == 1 ? TIFF_CMYK : 0);
  if (extension == "webp") return WEBP_LOSSLESS;
  return 0;
}
