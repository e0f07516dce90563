// JPEG pictures through libjpeg: greyscale, colour and CMYK files become opaque RGBA.
#include "platform/picture_decoders.h"

#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
#include <jerror.h>

#include <csetjmp>
#include <new>

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1); }
void Silent(j_common_ptr) {}
// libjpeg pads a file that ends early with grey and only warns; a cut-off picture is damage to us.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) OnError(cinfo);
}

bool Allocate(Picture* picture, JDIMENSION width, JDIMENSION height) {
  try {
    picture->width = static_cast<int>(width);
    picture->height = static_cast<int>(height);
    picture->rgba.resize(size_t(width) * height * 4);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

void ToRgba(const JSAMPLE* in, uint8_t* out, JDIMENSION width, J_COLOR_SPACE space, bool adobe) {
  for (JDIMENSION x = 0; x < width; ++x, out += 4) {
    if (space == JCS_CMYK) {
      // Adobe's CMYK JPEGs store the inks inverted, as most CMYK JPEGs in the wild do.
      int c = in[0], m = in[1], y = in[2], k = in[3];
      if (!adobe) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
      out[0] = static_cast<uint8_t>((c * k + 127) / 255);
      out[1] = static_cast<uint8_t>((m * k + 127) / 255);
      out[2] = static_cast<uint8_t>((y * k + 127) / 255);
      in += 4;
    } else {
      out[0] = in[0], out[1] = in[1], out[2] = in[2];
      in += 3;
    }
    out[3] = 255;
  }
}

// libjpeg reports errors by longjmp, so this frame holds no object with a destructor: the picture
// belongs to the caller and the scanline buffer to libjpeg's own memory pool.
bool ReadJpeg(const uint8_t* data, size_t size, Picture* picture) {
  jpeg_decompress_struct cinfo;
  ErrorManager errors;
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.output_message = Silent;
  errors.base.emit_message = OnMessage;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK || !PictureSizeAllowed(cinfo.image_width, cinfo.image_height)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&cinfo);
  if (!Allocate(picture, cinfo.output_width, cinfo.output_height)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  const size_t rowBytes = size_t(cinfo.output_width) * cinfo.output_components;
  JSAMPARRAY line = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                               static_cast<JDIMENSION>(rowBytes), 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    uint8_t* out = picture->rgba.data() + size_t(cinfo.output_scanline) * cinfo.output_width * 4;
    if (jpeg_read_scanlines(&cinfo, line, 1) != 1) {
      jpeg_destroy_decompress(&cinfo);
      return false;
    }
    ToRgba(line[0], out, cinfo.output_width, cinfo.out_color_space, cinfo.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

std::optional<Picture> DecodeJpeg(const uint8_t* data, size_t size) {
  Picture picture;
  if (!ReadJpeg(data, size, &picture)) return std::nullopt;
  return picture;
}
