#include "platform/canvas.h"

#include "platform/cairo_handles.h"

#include <algorithm>

namespace {

constexpr int kMaxSide = 32767;                     // Cairo refuses wider or taller image surfaces
constexpr int64_t kMaxPixels = int64_t{1} << 28;   // 1 GB of pixels: damage or a typo, not a picture


CairoContext Begin(cairo_surface_t* surface) {
  if (!surface) return nullptr;
  CairoContext cr(cairo_create(surface));
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return cr;
}

void SetColour(cairo_t* cr, Rgba c) {
  cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
}

// Cairo stores each pixel as one native-endian word, premultiplied ARGB.
Rgba Unpremultiply(uint32_t word) {
  const uint32_t a = word >> 24;
  if (a == 0) return {};
  const auto channel = [a](uint32_t c) { return static_cast<uint8_t>(std::min<uint32_t>(255, (c * 255 + a / 2) / a)); };
  return {channel((word >> 16) & 0xff), channel((word >> 8) & 0xff), channel(word & 0xff), static_cast<uint8_t>(a)};
}

uint32_t Premultiply(Rgba p) {
  const auto channel = [a = uint32_t{p.a}](uint32_t c) { return (c * a + 127) / 255; };
  return uint32_t{p.a} << 24 | channel(p.r) << 16 | channel(p.g) << 8 | channel(p.b);
}

}  // namespace

Rgba GreyPixel(Rgba pixel) {
  const auto grey = static_cast<uint8_t>((77 * pixel.r + 150 * pixel.g + 29 * pixel.b) >> 8);
  return {grey, grey, grey, pixel.a};
}

void Canvas::SurfaceRelease::operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }

Canvas::Canvas(int width, int height) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide ||
      int64_t{width} * height > kMaxPixels)
    return;
  // A new image surface is zero-filled: fully transparent.
  surface_.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS) {
    surface_.reset();
    return;
  }
  width_ = width;
  height_ = height;
}

Canvas Canvas::FromRgba(int width, int height, std::span<const uint8_t> rgba) {
  Canvas canvas(width, height);
  if (!canvas.Ok()) return canvas;
  if (rgba.size() != size_t(width) * size_t(height) * 4) return Canvas(0, 0);
  cairo_surface_t* surface = canvas.Surface();
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    const uint8_t* in = rgba.data() + size_t(y) * width * 4;
    auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < width; ++x, in += 4) row[x] = Premultiply({in[0], in[1], in[2], in[3]});
  }
  cairo_surface_mark_dirty(surface);
  return canvas;
}

void Canvas::Fill(Rgba colour) { FillRectangle(0, 0, width_, height_, colour, false); }

void Canvas::FillRectangle(double x, double y, double width, double height, Rgba colour, bool antialias) {
  const CairoContext cr = Begin(surface_.get());
  if (!cr) return;
  cairo_set_antialias(cr.get(), antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
  SetColour(cr.get(), colour);
  cairo_rectangle(cr.get(), x, y, width, height);
  cairo_fill(cr.get());
}

void Canvas::FillPolygon(std::span<const Point> points, Rgba colour, bool antialias) {
  if (points.size() < 3) return;
  const CairoContext cr = Begin(surface_.get());
  if (!cr) return;
  cairo_set_antialias(cr.get(), antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
  SetColour(cr.get(), colour);
  cairo_move_to(cr.get(), points[0].x, points[0].y);
  for (const Point& p : points.subspan(1)) cairo_line_to(cr.get(), p.x, p.y);
  cairo_close_path(cr.get());
  cairo_fill(cr.get());
}

void Canvas::Draw(const Canvas& source, int x, int y, uint8_t alpha) {
  if (!source.Ok()) return;
  const CairoContext cr = Begin(surface_.get());
  if (!cr) return;
  cairo_set_source_surface(cr.get(), source.Surface(), x, y);
  cairo_paint_with_alpha(cr.get(), alpha / 255.0);
}

void Canvas::DrawFiltered(const Canvas& source, int x, int y, uint8_t alpha, const PixelFilter& filter) {
  if (!source.Ok() || !filter) return;
  std::vector<uint8_t> pixels = source.ToRgba();
  for (size_t i = 0; i < pixels.size(); i += 4) {
    const Rgba out = filter({pixels[i], pixels[i + 1], pixels[i + 2], pixels[i + 3]});
    pixels[i] = out.r, pixels[i + 1] = out.g, pixels[i + 2] = out.b, pixels[i + 3] = out.a;
  }
  Draw(FromRgba(source.Width(), source.Height(), pixels), x, y, alpha);
}

std::vector<uint8_t> Canvas::ToRgba() const {
  if (!Ok()) return {};
  cairo_surface_flush(surface_.get());
  const unsigned char* data = cairo_image_surface_get_data(surface_.get());
  const int stride = cairo_image_surface_get_stride(surface_.get());
  std::vector<uint8_t> rgba(size_t(width_) * size_t(height_) * 4);
  uint8_t* out = rgba.data();
  for (int y = 0; y < height_; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < width_; ++x, out += 4) {
      const Rgba p = Unpremultiply(row[x]);
      out[0] = p.r, out[1] = p.g, out[2] = p.b, out[3] = p.a;
    }
  }
  return rgba;
}

Rgba Canvas::PixelAt(int x, int y) const {
  if (!Ok() || x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  cairo_surface_flush(surface_.get());
  const unsigned char* data = cairo_image_surface_get_data(surface_.get());
  const int stride = cairo_image_surface_get_stride(surface_.get());
  return Unpremultiply(reinterpret_cast<const uint32_t*>(data + size_t(y) * stride)[x]);
}
