// PNG pictures through libpng: every colour type and bit depth becomes 8-bit RGBA.
#include "platform/picture_decoders.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>

namespace {

struct Source {
  const uint8_t* data;
  size_t size;
  size_t offset;
};

// The decoded picture and its row pointers live with the caller, so that a longjmp out of libpng
// never skips a destructor.
struct Target {
  Picture* picture;
  std::vector<png_bytep>* rows;
};

[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

void ReadFromMemory(png_structp png, png_bytep into, png_size_t length) {
  auto* source = static_cast<Source*>(png_get_io_ptr(png));
  if (length > source->size - source->offset) png_error(png, "truncated");
  std::memcpy(into, source->data + source->offset, length);
  source->offset += length;
}

bool Allocate(Target* target, png_uint_32 width, png_uint_32 height) {
  try {
    target->picture->width = static_cast<int>(width);
    target->picture->height = static_cast<int>(height);
    target->picture->rgba.resize(size_t(width) * height * 4);
    target->rows->resize(height);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (png_uint_32 y = 0; y < height; ++y) (*target->rows)[y] = target->picture->rgba.data() + size_t(y) * width * 4;
  return true;
}

bool ReadPng(Source* source, Target* target) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, source, ReadFromMemory);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
  const int colourType = png_get_color_type(png, info);
  const bool transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  if (!PictureSizeAllowed(width, height)) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  target->picture->hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0 || transparency;
  // Palette and narrow grey to 8 bits, tRNS to an alpha channel, 16 bits rounded to 8.
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  if (!target->picture->hasAlpha) png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != size_t(width) * 4 || !Allocate(target, width, height)) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_read_image(png, target->rows->data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

}  // namespace

std::optional<Picture> DecodePng(const uint8_t* data, size_t size) {
  Source source{data, size, 0};
  Picture picture;
  std::vector<png_bytep> rows;
  Target target{&picture, &rows};
  if (!ReadPng(&source, &target)) return std::nullopt;
  return picture;
}
