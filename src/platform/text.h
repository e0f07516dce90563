#pragma once
// One line of UTF-8 text, measured and drawn with a Font on a Canvas through Pango.
#include "platform/canvas.h"
#include "platform/font.h"

#include <string>

// Plain text is drawn without anti-aliasing and measured with hinted metrics in whole pixels, as
// ordinary screen text; anti-aliased text is drawn with grey anti-aliasing from unhinted outlines
// and measured in fractions of a pixel.
enum class TextRendering { Plain, AntiAliased };

struct TextExtent {
  double width = 0;
  double height = 0;  // the line's box: ascent, descent and the font's line gap
};

// Invalid UTF-8 is drawn and measured with replacement characters.
TextExtent MeasureText(const Font& font, const std::string& text, TextRendering rendering);
// (x, y) is the top-left corner of the line's box; underline and strikeout come from the font.
void DrawText(Canvas& canvas, const Font& font, const std::string& text, double x, double y, Rgba colour,
              TextRendering rendering);
