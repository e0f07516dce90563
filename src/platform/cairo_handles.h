#pragma once
// Owners for the Cairo objects the drawing layer creates, so that every failure path frees them.
#include <cairo.h>

#include <memory>

struct CairoRelease {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
  void operator()(cairo_font_options_t* options) const { cairo_font_options_destroy(options); }
};
using CairoContext = std::unique_ptr<cairo_t, CairoRelease>;
