#include "platform/text.h"

#include "platform/cairo_handles.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>

namespace {

struct GObjectRelease {
  void operator()(gpointer object) const { g_object_unref(object); }
};
struct AttributesRelease {
  void operator()(PangoAttrList* list) const { pango_attr_list_unref(list); }
};
struct GFree {
  void operator()(gchar* text) const { g_free(text); }
};

using Layout = std::unique_ptr<PangoLayout, GObjectRelease>;

// A layout for `cr` whose font options decide hinting and anti-aliasing, so that measuring and
// drawing the same text agree.
Layout MakeLayout(cairo_t* cr, const Font& font, const std::string& text, TextRendering rendering) {
  const bool plain = rendering == TextRendering::Plain;
  const std::unique_ptr<PangoContext, GObjectRelease> context(pango_cairo_create_context(cr));
  if (!context) return nullptr;
  const std::unique_ptr<cairo_font_options_t, CairoRelease> options(cairo_font_options_create());
  cairo_font_options_set_antialias(options.get(), plain ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_metrics(options.get(), plain ? CAIRO_HINT_METRICS_ON : CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options.get(), plain ? CAIRO_HINT_STYLE_FULL : CAIRO_HINT_STYLE_NONE);
  pango_cairo_context_set_font_options(context.get(), options.get());
  pango_context_set_round_glyph_positions(context.get(), plain);

  Layout layout(pango_layout_new(context.get()));
  pango_layout_set_font_description(layout.get(), font.Description());
  const std::unique_ptr<PangoAttrList, AttributesRelease> attributes(pango_attr_list_new());
  if (font.Style().underline) pango_attr_list_insert(attributes.get(), pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (font.Style().strikeout) pango_attr_list_insert(attributes.get(), pango_attr_strikethrough_new(TRUE));
  pango_layout_set_attributes(layout.get(), attributes.get());
  // Pango refuses invalid UTF-8 outright; a damaged name still shows, with replacement marks.
  const std::unique_ptr<gchar, GFree> valid(g_utf8_make_valid(text.data(), static_cast<gssize>(text.size())));
  pango_layout_set_text(layout.get(), valid.get(), -1);
  return layout;
}

}  // namespace

TextExtent MeasureText(const Font& font, const std::string& text, TextRendering rendering) {
  // Measuring needs a Cairo context only for its font options; a one-pixel surface serves.
  const std::unique_ptr<cairo_surface_t, CairoRelease> surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1));
  const CairoContext cr(cairo_create(surface.get()));
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return {};
  const Layout layout = MakeLayout(cr.get(), font, text, rendering);
  if (!layout) return {};
  if (rendering == TextRendering::Plain) {
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout.get(), &width, &height);
    return {double(width), double(height)};
  }
  PangoRectangle logical;
  pango_layout_get_extents(layout.get(), nullptr, &logical);
  return {double(logical.width) / PANGO_SCALE, double(logical.height) / PANGO_SCALE};
}

void DrawText(Canvas& canvas, const Font& font, const std::string& text, double x, double y, Rgba colour,
              TextRendering rendering) {
  if (!canvas.Ok()) return;
  const CairoContext cr(cairo_create(canvas.Surface()));
  if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return;
  const Layout layout = MakeLayout(cr.get(), font, text, rendering);
  if (!layout) return;
  // Underline and strikeout are filled rectangles: they follow the context's anti-aliasing.
  cairo_set_antialias(cr.get(), rendering == TextRendering::Plain ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_GRAY);
  cairo_set_source_rgba(cr.get(), colour.r / 255.0, colour.g / 255.0, colour.b / 255.0, colour.a / 255.0);
  cairo_move_to(cr.get(), x, y);
  pango_cairo_show_layout(cr.get(), layout.get());
}
