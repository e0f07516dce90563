#include "engine/j2k_writer.h"

#include "engine/freeimage_io.h"
#include "platform/bitmap.h"

#include <openjpeg.h>

#include <algorithm>
#include <memory>

namespace {

constexpr unsigned kFreeImageResolutions = 6;

struct CodecCloser {
  void operator()(opj_codec_t* codec) const { opj_destroy_codec(codec); }
};
struct StreamCloser {
  void operator()(opj_stream_t* stream) const { opj_stream_destroy(stream); }
};
struct ImageCloser {
  void operator()(opj_image_t* image) const { opj_image_destroy(image); }
};

// Resolution levels a side allows: each level halves the image.
unsigned ResolutionsFor(unsigned side) {
  unsigned levels = 1;
  while (levels < kFreeImageResolutions && (side >> levels) > 0) ++levels;
  return levels;
}

// The image's samples as OpenJPEG components, rows top-down.
std::unique_ptr<opj_image_t, ImageCloser> ToOpenJpegImage(FIBITMAP* dib) {
  const unsigned width = FreeImage_GetWidth(dib);
  const unsigned height = FreeImage_GetHeight(dib);
  const bool sixteen = FreeImage_GetImageType(dib) == FIT_RGB16;
  const unsigned bpp = FreeImage_GetBPP(dib);
  const unsigned components = sixteen ? 3 : bpp / 8;

  opj_image_cmptparm_t params[4] = {};
  for (unsigned c = 0; c < components; ++c) {
    params[c].dx = params[c].dy = 1;
    params[c].w = width;
    params[c].h = height;
    params[c].prec = sixteen ? 16 : 8;
    params[c].sgnd = 0;
  }
  std::unique_ptr<opj_image_t, ImageCloser> image(
      opj_image_create(components, params, components == 1 ? OPJ_CLRSPC_GRAY : OPJ_CLRSPC_SRGB));
  if (!image) return nullptr;
  image->x0 = image->y0 = 0;
  image->x1 = width;
  image->y1 = height;
  if (components == 4) image->comps[3].alpha = 1;

  // FreeImage keeps red, green, blue (and alpha) at these byte positions in 8-bit-per-sample rows.
  const unsigned order[4] = {FI_RGBA_RED, FI_RGBA_GREEN, FI_RGBA_BLUE, FI_RGBA_ALPHA};
  for (unsigned y = 0; y < height; ++y) {
    const BYTE* row = FreeImage_GetScanLine(dib, static_cast<int>(height - 1 - y));
    for (unsigned x = 0; x < width; ++x) {
      const size_t at = static_cast<size_t>(y) * width + x;
      if (sixteen) {
        const FIRGB16& p = reinterpret_cast<const FIRGB16*>(row)[x];
        image->comps[0].data[at] = p.red;
        image->comps[1].data[at] = p.green;
        image->comps[2].data[at] = p.blue;
      } else if (components == 1) {
        image->comps[0].data[at] = row[x];
      } else {
        for (unsigned c = 0; c < components; ++c) image->comps[c].data[at] = row[x * components + order[c]];
      }
    }
  }
  return image;
}

bool Accepted(FIBITMAP* dib) {
  const FREE_IMAGE_TYPE type = FreeImage_GetImageType(dib);
  if (type == FIT_RGB16) return true;
  const unsigned bpp = FreeImage_GetBPP(dib);
  return type == FIT_BITMAP &&
         (bpp == 24 || bpp == 32 || (bpp == 8 && FreeImage_GetColorType(dib) == FIC_MINISBLACK));
}

}  // namespace

bool WriteJpeg2000(FIBITMAP* dib, FREE_IMAGE_FORMAT format, int flags, const std::string& path) {
  if (!dib) return false;
  Bitmap widened;
  if (!Accepted(dib)) {
    widened.reset(FreeImage_ConvertTo24Bits(dib));
    if (!widened) return false;
    dib = widened.get();
  }
  const unsigned smallerSide = std::min(FreeImage_GetWidth(dib), FreeImage_GetHeight(dib));
  if (smallerSide >= (1u << (kFreeImageResolutions - 1))) return SaveWithFreeImage(format, dib, flags, path);

  auto image = ToOpenJpegImage(dib);
  if (!image) return false;
  opj_cparameters_t parameters;
  opj_set_default_encoder_parameters(&parameters);
  parameters.tcp_numlayers = 1;
  parameters.tcp_rates[0] = 16;
  parameters.cp_disto_alloc = 1;
  parameters.numresolution = static_cast<int>(ResolutionsFor(smallerSide));
  parameters.tcp_mct = image->numcomps >= 3 ? 1 : 0;

  std::unique_ptr<opj_codec_t, CodecCloser> codec(
      opj_create_compress(format == FIF_JP2 ? OPJ_CODEC_JP2 : OPJ_CODEC_J2K));
  if (!codec || !opj_setup_encoder(codec.get(), &parameters, image.get())) return false;
  std::unique_ptr<opj_stream_t, StreamCloser> stream(opj_stream_create_default_file_stream(path.c_str(), OPJ_FALSE));
  if (!stream) return false;
  return opj_start_compress(codec.get(), image.get(), stream.get()) && opj_encode(codec.get(), stream.get()) &&
         opj_end_compress(codec.get(), stream.get());
}
