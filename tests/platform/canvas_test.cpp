#include "platform/canvas.h"
#include "platform/canvas_png.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};

void ExpectNear(Rgba actual, Rgba expected, int tolerance) {
  EXPECT_NEAR(actual.r, expected.r, tolerance);
  EXPECT_NEAR(actual.g, expected.g, tolerance);
  EXPECT_NEAR(actual.b, expected.b, tolerance);
  EXPECT_NEAR(actual.a, expected.a, tolerance);
}

// Pixels of a PNG file as ImageMagick decodes them: straight RGBA, 8 bits a channel.
std::vector<uint8_t> ImageMagickRgba(const std::string& png, const ScratchFolder& dir) {
  const std::string raw = dir.File("decoded.rgba");
  std::string output;
  if (RunCommand("/usr/bin/convert " + Quote(png) + " -depth 8 " + Quote("rgba:" + raw), &output) != 0) {
    ADD_FAILURE() << output;
    return {};
  }
  return ReadBytes(raw);
}

}  // namespace

TEST(Canvas, ANewCanvasIsTransparent) {
  const Canvas canvas(5, 3);
  ASSERT_TRUE(canvas.Ok());
  EXPECT_EQ(canvas.Width(), 5);
  EXPECT_EQ(canvas.Height(), 3);
  EXPECT_EQ(canvas.ToRgba(), std::vector<uint8_t>(5 * 3 * 4, 0));
}

TEST(Canvas, RefusesEmptyNegativeAndAbsurdSizes) {
  const std::pair<int, int> refused[] = {{0, 5}, {5, 0}, {-1, 5}, {5, -3}, {32768, 1}, {1, 40000}, {20000, 20000}};
  for (const auto& [w, h] : refused) {
    const Canvas canvas(w, h);
    EXPECT_FALSE(canvas.Ok()) << w << " x " << h;
    EXPECT_TRUE(canvas.ToRgba().empty());
    EXPECT_TRUE(EncodePng(canvas).empty());
  }
  EXPECT_TRUE(Canvas(32767, 2).Ok());
  EXPECT_FALSE(Canvas::FromRgba(2, 2, std::vector<uint8_t>(15)).Ok());  // one byte short
}

TEST(Canvas, ARectangleWithoutAntialiasingCoversExactlyItsPixels) {
  Canvas canvas(10, 8);
  const Rgba colour{200, 100, 50, 255};
  canvas.FillRectangle(2, 3, 4, 2, colour, false);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= 2 && x < 6 && y >= 3 && y < 5;
      EXPECT_EQ(canvas.PixelAt(x, y), inside ? colour : Rgba{}) << x << "," << y;
    }
}

TEST(Canvas, PolygonsAreAntialiasedOnlyWhenAsked) {
  const Point triangle[] = {{0, 0}, {10, 0}, {0, 10}};
  for (const bool antialias : {false, true}) {
    Canvas canvas(10, 10);
    canvas.FillPolygon(triangle, kBlue, antialias);
    EXPECT_EQ(canvas.PixelAt(1, 1), kBlue);
    EXPECT_EQ(canvas.PixelAt(8, 8), Rgba{});
    // The pixel from (4,5) to (5,6) is cut in half by the diagonal x + y = 10.
    const int a = canvas.PixelAt(4, 5).a;
    if (antialias) {
      EXPECT_NEAR(a, 128, 40);
    } else {
      EXPECT_TRUE(a == 0 || a == 255) << a;
    }
  }
}

TEST(Canvas, DrawingWithHalfAlphaBlendsHalfway) {
  Canvas red(4, 4);
  red.Fill(kRed);
  Canvas over(6, 6);
  over.Fill(kBlue);
  over.Draw(red, 1, 1, 128);
  ExpectNear(over.PixelAt(2, 2), {128, 0, 127, 255}, 1);
  EXPECT_EQ(over.PixelAt(0, 0), kBlue);  // outside the drawn canvas
  EXPECT_EQ(over.PixelAt(5, 5), kBlue);

  Canvas clear(4, 4);
  clear.Draw(red, 0, 0, 128);
  ExpectNear(clear.PixelAt(0, 0), {255, 0, 0, 128}, 1);
}

TEST(Canvas, TheGreyFilterTurnsRedIntoGrey76AndKeepsAlpha) {
  EXPECT_EQ(GreyPixel({255, 0, 0, 200}), (Rgba{76, 76, 76, 200}));
  EXPECT_EQ(GreyPixel({0, 255, 0, 255}), (Rgba{149, 149, 149, 255}));
  EXPECT_EQ(GreyPixel({0, 0, 255, 255}), (Rgba{28, 28, 28, 255}));

  Canvas red(3, 2);
  red.Fill(kRed);
  Canvas target(5, 4);
  target.DrawFiltered(red, 2, 1, 255, GreyPixel);
  EXPECT_EQ(target.PixelAt(2, 1), (Rgba{76, 76, 76, 255}));
  EXPECT_EQ(target.PixelAt(4, 2), (Rgba{76, 76, 76, 255}));
  EXPECT_EQ(target.PixelAt(1, 1), Rgba{});
  EXPECT_EQ(red.PixelAt(0, 0), kRed);  // the source is left as it was

  Canvas half(3, 2);
  half.DrawFiltered(red, 0, 0, 128, GreyPixel);
  ExpectNear(half.PixelAt(1, 1), {76, 76, 76, 128}, 1);
}

TEST(Canvas, PngKeepsStraightColoursOfSemiTransparentPixels) {
  const std::vector<uint8_t> pixels = {
      255, 0,   0,   128, 10,  200, 30,  255, 1,   2,   3,   0,   90,  180, 250, 129,
      77,  66,  55,  200, 255, 255, 255, 254, 0,   0,   0,   128, 123, 45,  67,  160,
  };
  const Canvas canvas = Canvas::FromRgba(4, 2, pixels);
  ASSERT_TRUE(canvas.Ok());
  const std::vector<uint8_t> straight = canvas.ToRgba();
  ASSERT_EQ(straight.size(), pixels.size());
  for (size_t i = 0; i < pixels.size(); i += 4) {
    const uint8_t a = pixels[i + 3];
    EXPECT_EQ(straight[i + 3], a);
    for (size_t c = 0; c < 3; ++c) EXPECT_NEAR(straight[i + c], a ? pixels[i + c] : 0, 1) << "pixel " << i / 4;
  }

  ScratchFolder dir;
  const std::string png = dir.File("canvas.png");
  WriteBytes(png, EncodePng(canvas));
  EXPECT_EQ(IdentifySize(png, "PNG"), "4x2");
  EXPECT_EQ(ImageMagickRgba(png, dir), straight);
}

TEST(Canvas, PngOfAFrameLikeDrawingDecodesElsewhereAsDrawn) {
  Canvas bands(40, 30);
  bands.FillRectangle(0, 0, 40, 6, kRed, true);
  const Point left[] = {{0, 30}, {0, 0}, {8, 6}, {8, 24}};
  bands.FillPolygon(left, kBlue, true);
  Canvas faded(40, 30);
  faded.Draw(bands, 0, 0, 200);

  ScratchFolder dir;
  const std::string png = dir.File("frame.png");
  WriteBytes(png, EncodePng(faded));
  EXPECT_EQ(ImageMagickRgba(png, dir), faded.ToRgba());
  ExpectNear(faded.PixelAt(20, 2), {255, 0, 0, 200}, 1);
  ExpectNear(faded.PixelAt(2, 15), {0, 0, 255, 200}, 1);
}
