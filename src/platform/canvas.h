#pragma once
// A 32-bit drawing surface with transparency (a Cairo ARGB32 image surface) for the frame and the
// watermarks. Colours and pixels cross this interface as straight (un-premultiplied) RGBA; Cairo's
// premultiplied storage stays inside.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 0;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

struct Point {
  double x = 0, y = 0;
};

// Called once per source pixel by DrawFiltered; returns the pixel to draw in its place.
using PixelFilter = std::function<Rgba(Rgba)>;

// The watermark's grey: g = (77 r + 150 g + 29 b) >> 8 in all three channels, alpha kept.
Rgba GreyPixel(Rgba pixel);

class Canvas {
public:
  // A fully transparent canvas. Not Ok() for a side below 1 or above 32767 (Cairo's limit), more
  // than 2^28 pixels, or when Cairo cannot allocate it.
  Canvas(int width, int height);
  // A canvas holding `rgba` (straight RGBA, 4 bytes a pixel, rows top to bottom); not Ok() when
  // the size is refused or the buffer does not hold width × height pixels.
  static Canvas FromRgba(int width, int height, std::span<const uint8_t> rgba);

  Canvas(Canvas&&) noexcept = default;
  Canvas& operator=(Canvas&&) noexcept = default;

  bool Ok() const { return surface_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Shapes are filled over what is there (OVER); antialias false gives only whole pixels.
  void Fill(Rgba colour);
  void FillRectangle(double x, double y, double width, double height, Rgba colour, bool antialias);
  // A closed polygon through `points` (non-zero winding); fewer than three points draw nothing.
  void FillPolygon(std::span<const Point> points, Rgba colour, bool antialias);

  // Draws `source` with its top-left corner at (x, y), OVER, scaled by `alpha` (0..255).
  void Draw(const Canvas& source, int x, int y, uint8_t alpha);
  // The same, with every source pixel replaced by `filter`'s answer first.
  void DrawFiltered(const Canvas& source, int x, int y, uint8_t alpha, const PixelFilter& filter);

  // Straight RGBA, 4 bytes a pixel, rows top to bottom; empty when not Ok().
  std::vector<uint8_t> ToRgba() const;
  Rgba PixelAt(int x, int y) const;  // transparent black outside the canvas

  // For the text and PNG layers, which draw and read through Cairo themselves.
  cairo_surface_t* Surface() const { return surface_.get(); }

private:
  struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const;
  };
  std::unique_ptr<cairo_surface_t, SurfaceRelease> surface_;
  int width_ = 0;
  int height_ = 0;
};
