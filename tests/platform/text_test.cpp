#include "platform/text.h"

#include <gtest/gtest.h>

namespace {

constexpr Rgba kBlack{0, 0, 0, 255};

Font LoadFont(double points, FontStyle style = {}) {
  std::optional<Font> font = Font::Load("Liberation Sans", points, style);
  EXPECT_TRUE(font);
  return std::move(*font);
}

struct Ink {
  int pixels = 0, partial = 0;
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive bounds
};

Ink InkOf(const Canvas& canvas) {
  Ink ink;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const int a = canvas.PixelAt(x, y).a;
      if (a == 0) continue;
      ++ink.pixels;
      ink.partial += a != 255;
      ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
      ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
    }
  return ink;
}

Ink Drawn(const Font& font, const std::string& text, TextRendering rendering) {
  Canvas canvas(200, 60);
  DrawText(canvas, font, text, 10, 5, kBlack, rendering);
  return InkOf(canvas);
}

}  // namespace

TEST(Text, PlainMeasurementIsInWholePixelsAndGrowsWithTheText) {
  const Font font = LoadFont(14);
  const TextExtent hello = MeasureText(font, "Hello", TextRendering::Plain);
  const TextExtent wider = MeasureText(font, "Hello, wider world", TextRendering::Plain);
  EXPECT_GT(hello.width, 20);
  EXPECT_EQ(hello.width, int(hello.width));
  EXPECT_EQ(hello.height, int(hello.height));
  EXPECT_GT(wider.width, hello.width + 50);
  EXPECT_EQ(wider.height, hello.height);
  // A line's box holds the font's ascent and descent: more than the pixel size, less than twice.
  EXPECT_GT(hello.height, font.PixelSize());
  EXPECT_LT(hello.height, 2 * font.PixelSize());
}

TEST(Text, AntialiasedMeasurementScalesWithTheFontSize) {
  const double small = MeasureText(LoadFont(14), "Hello, wider world", TextRendering::AntiAliased).width;
  const double large = MeasureText(LoadFont(28), "Hello, wider world", TextRendering::AntiAliased).width;
  // Unhinted outlines: twice the size is twice the width; hinting would round every glyph.
  EXPECT_NEAR(large / small, 2.0, 0.005);
}

TEST(Text, PlainTextHasNoPartialPixelsAndAntialiasedTextHas) {
  const Font font = LoadFont(14);
  const Ink plain = Drawn(font, "Hello", TextRendering::Plain);
  EXPECT_GT(plain.pixels, 50);
  EXPECT_EQ(plain.partial, 0);
  const Ink smooth = Drawn(font, "Hello", TextRendering::AntiAliased);
  EXPECT_GT(smooth.partial, 20);
}

TEST(Text, InkStaysInsideTheMeasuredBoxFromTheTopLeftCorner) {
  const Font font = LoadFont(20, {.underline = true});
  for (const TextRendering rendering : {TextRendering::Plain, TextRendering::AntiAliased}) {
    const TextExtent box = MeasureText(font, "Hello", rendering);
    const Ink ink = Drawn(font, "Hello", rendering);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.left, 14);  // the H's side bearing
    EXPECT_LE(ink.right, 10 + box.width);
    EXPECT_GE(ink.top, 5);
    EXPECT_LE(ink.bottom, 5 + box.height);
  }
}

TEST(Text, UnderlineInksBelowTheBaselineAndStrikeoutThroughTheLetters) {
  for (const TextRendering rendering : {TextRendering::Plain, TextRendering::AntiAliased}) {
    // "Hello" has no descenders: its lowest ink sits on the baseline.
    const Ink plain = Drawn(LoadFont(20), "Hello", rendering);
    const Ink underlined = Drawn(LoadFont(20, {.underline = true}), "Hello", rendering);
    const Ink struck = Drawn(LoadFont(20, {.strikeout = true}), "Hello", rendering);
    EXPECT_GT(underlined.bottom, plain.bottom);
    EXPECT_EQ(struck.bottom, plain.bottom);
    EXPECT_EQ(struck.top, plain.top);
    EXPECT_GT(struck.pixels, plain.pixels + 20);
    if (rendering == TextRendering::Plain) {
      EXPECT_EQ(underlined.partial + struck.partial, 0);
    }
  }
}

TEST(Text, TextIsUtf8AndDamagedTextStillDraws) {
  const Font font = LoadFont(14);
  EXPECT_GT(MeasureText(font, "Grüße", TextRendering::Plain).width, MeasureText(font, "Gr", TextRendering::Plain).width);
  EXPECT_GT(Drawn(font, "caf\xc3", TextRendering::Plain).pixels, 0);
}
