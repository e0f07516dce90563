#include "engine/text_watermark.h"

#include "engine/drawing_handover.h"
#include "engine/tokens.h"
#include "engine/watermark_font.h"
#include "platform/canvas.h"
#include "platform/text.h"
#include "settings/colour.h"
#include "settings/settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

namespace {

constexpr std::string_view kLineBreak = "%eol%";
constexpr double kMinimumLineSize = 10;

Rgba WithAlpha(const std::string& hex, int opacity) {
  const Colour c = HexToColour(hex);
  return {c.red, c.green, c.blue, static_cast<uint8_t>(std::clamp(opacity, 0, 255))};
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t at; (at = text.find(kLineBreak, from)) != std::string::npos; from = at + kLineBreak.size())
    lines.push_back(text.substr(from, at - from));
  lines.push_back(text.substr(from));
  return lines;
}

// The lines with their positions on the canvas, and the canvas size.
struct Layout {
  std::vector<std::string> lines;
  std::vector<double> x, y;
  int width = 0, height = 0;
};

Layout LayOut(const Font& font, const std::string& text) {
  Layout layout;
  // "%eol%" in any case breaks the line: bring every spelling to one before splitting.
  const std::string normalised = ExpandToken(text, kLineBreak, kLineBreak);
  layout.lines = SplitLines(normalised);
  const size_t breaks = layout.lines.size() - 1;
  const int padding = settings.textPadding;

  // The box is measured as ordinary text whatever the rendering, so that the anti-aliased text sits
  // in the same box.
  std::vector<double> widths;
  double w = 0, h = 0, advance = 0;
  if (breaks == 0) {
    const TextExtent extent = MeasureText(font, normalised, TextRendering::Plain);
    widths.push_back(extent.width);
    w = extent.width;
    h = extent.height;
  } else {
    for (const std::string& line : layout.lines) {
      const TextExtent extent = MeasureText(font, line, TextRendering::Plain);
      widths.push_back(extent.width);
      w = std::max(w, extent.width);
      h = std::max(h, extent.height);
    }
    w = std::max(w, kMinimumLineSize);
    h = std::max(h, kMinimumLineSize);
    advance = h + settings.fontLeading;
  }
  layout.width = static_cast<int>(std::lround(w)) + 2 * padding;
  layout.height = static_cast<int>(std::lround(h + breaks * advance)) + 2 * padding;

  const bool antialiased = settings.textAntialiasing != 0;
  for (size_t k = 0; k < layout.lines.size(); ++k) {
    layout.y.push_back(padding + k * advance);
    if (breaks == 0) {
      layout.x.push_back(padding);
      continue;
    }
    // Anti-aliased lines are placed by their own vector width, rounded with halves to even.
    const double width = antialiased
                             ? std::nearbyint(MeasureText(font, layout.lines[k], TextRendering::AntiAliased).width)
                             : widths[k];
    layout.x.push_back(LineStart(static_cast<int>(std::lround(width)), layout.width));
  }
  return layout;
}

}  // namespace

std::string WatermarkText() {
  const std::string& text = settings.text;
  return std::count(text.begin(), text.end(), '%') < 2 ? text : ExpandTokens(text);
}

int LineStart(int lineWidth, int canvasWidth) {
  switch (settings.textAlignment) {
    case 0: return settings.textPadding;
    case 1: return static_cast<int>(std::lround((canvasWidth - lineWidth) / 2.0));
    case 2: return canvasWidth - lineWidth - settings.textPadding;
    default: return 0;
  }
}

Bitmap RenderTextWatermark() {
  const Font* font = WatermarkFont();
  if (!font) return nullptr;
  const Layout layout = LayOut(*font, WatermarkText());
  Canvas result(layout.width, layout.height);
  if (!result.Ok()) return nullptr;

  const Rgba back = WithAlpha(settings.backColor, settings.backOpacity);
  const Rgba ink = WithAlpha(settings.fontColor, settings.textOpacity);
  if (settings.textAntialiasing == 0) {
    result.Fill(back);
    for (size_t k = 0; k < layout.lines.size(); ++k)
      DrawText(result, *font, layout.lines[k], layout.x[k], layout.y[k], ink, TextRendering::Plain);
  } else {
    // Background and text are drawn opaque on canvases of their own and blended in with their
    // opacities, so that anti-aliased edges are not blended twice.
    Canvas background(layout.width, layout.height);
    Canvas text(layout.width, layout.height);
    if (!background.Ok() || !text.Ok()) return nullptr;
    background.Fill({back.r, back.g, back.b, 255});
    for (size_t k = 0; k < layout.lines.size(); ++k)
      DrawText(text, *font, layout.lines[k], layout.x[k], layout.y[k], {ink.r, ink.g, ink.b, 255},
               TextRendering::AntiAliased);
    result.Draw(background, 0, 0, back.a);
    result.Draw(text, 0, 0, ink.a);
  }
  return CanvasToBitmap(result);
}
