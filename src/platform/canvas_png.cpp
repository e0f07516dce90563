#include "platform/canvas_png.h"

#include <png.h>

#include <csetjmp>
#include <new>

namespace {

struct Sink {
  std::vector<uint8_t>* bytes;
  bool outOfMemory;
};

[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

void Append(png_structp png, png_bytep data, png_size_t length) {
  auto* sink = static_cast<Sink*>(png_get_io_ptr(png));
  try {
    sink->bytes->insert(sink->bytes->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    sink->outOfMemory = true;
  }
  // Outside the handler: png_error leaves by longjmp.
  if (sink->outOfMemory) png_error(png, "out of memory");
}

void Flush(png_structp) {}

// libpng reports errors by longjmp, so this frame holds no object with a destructor: the rows and
// the output belong to the caller.
bool WritePng(png_bytep* rows, int width, int height, Sink* sink) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, sink, Append, Flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  // Drawings are handed on at once; fast compression beats small files here.
  png_set_compression_level(png, 1);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

std::vector<uint8_t> EncodePng(const Canvas& canvas) {
  if (!canvas.Ok()) return {};
  std::vector<uint8_t> rgba = canvas.ToRgba();
  std::vector<png_bytep> rows(static_cast<size_t>(canvas.Height()));
  for (size_t y = 0; y < rows.size(); ++y) rows[y] = rgba.data() + y * size_t(canvas.Width()) * 4;
  std::vector<uint8_t> png;
  Sink sink{&png, false};
  if (!WritePng(rows.data(), canvas.Width(), canvas.Height(), &sink)) return {};
  return png;
}
