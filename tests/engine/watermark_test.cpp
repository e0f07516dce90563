#include "engine/text_watermark.h"
#include "engine/watermark_font.h"
#include "platform/text.h"
#include "settings/settings.h"
#include "support/conversion.h"
#include "support/images.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr uint32_t kRed = 0xFF0000;

// A white 200 × 100 photo with a watermark, through the pipeline to png, as ImageMagick reads it.
class WatermarkTest : public ConversionTest {
protected:
  void TearDown() override { ReleaseWatermarkFont(); }
  RgbImage Stamped(unsigned width = 200, unsigned height = 100) {
    const std::string source = dir.File("photo.bmp");
    SaveBmp(MakeFilled(width, height, 0xFFFFFF), source);
    EXPECT_TRUE(Convert(source, "png", 24, dir.File("stamped.png")));
    return DecodeWithImageMagick(dir.File("stamped.png"));
  }
  // A picture watermark: `width` × `height` of one colour, saved by ImageMagick in `format`.
  void Picture(unsigned width, unsigned height, const std::string& colour = "red", const std::string& name = "logo.bmp") {
    settings.doWatermark = 2;
    settings.image = dir.File(name);
    ASSERT_EQ(RunCommand("/usr/bin/convert -size " + std::to_string(width) + "x" + std::to_string(height) + " xc:" +
                         colour + " " + Quote(settings.image)),
              0);
  }
  // A text watermark in an opaque red box, in a font that loads.
  void Text(const std::string& text) {
    settings.doWatermark = 1;
    settings.text = text;
    settings.backColor = "FF0000";
    settings.backOpacity = 255;
    settings.fontColor = "FF0000";
    ASSERT_TRUE(LoadWatermarkFont());
  }
};

}  // namespace

TEST_F(WatermarkTest, DefaultPlacementIsTenPixelsFromTheBottomRightCorner) {
  Picture(20, 10);
  const Box box = FindColour(Stamped(), kRed);
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.left, 170u);
  EXPECT_EQ(box.top, 80u);
  EXPECT_EQ(box.right, 189u);
  EXPECT_EQ(box.bottom, 89u);
}

TEST_F(WatermarkTest, NinePositionsInsideTheImageOrTheFrame) {
  struct Case {
    int position, boundary;
    unsigned left, top;
  } cases[] = {
      {0, 0, 10, 10}, {1, 0, 90, 10}, {2, 0, 170, 10}, {3, 0, 10, 45},  {4, 0, 90, 45},
      {5, 0, 170, 45}, {6, 0, 10, 80}, {7, 0, 90, 80}, {0, 1, 30, 30},  {8, 1, 150, 60},
  };
  for (const Case& c : cases) {
    SetUp();
    Picture(20, 10);
    settings.imagePosition = static_cast<int8_t>(c.position);
    settings.imageBoundary = static_cast<int8_t>(c.boundary);
    settings.doFrame = 1;
    settings.solidLeft = settings.solidRight = settings.solidTop = settings.solidBottom = 20;
    settings.solidOpacity = c.boundary ? 255 : 0;  // an invisible frame where only its boundary matters
    const Box box = FindColour(Stamped(), kRed);
    ASSERT_TRUE(box.found) << c.position;
    EXPECT_EQ(box.left, c.left) << c.position << "/" << c.boundary;
    EXPECT_EQ(box.top, c.top) << c.position << "/" << c.boundary;
  }
}

TEST_F(WatermarkTest, AWatermarkWiderThanTheImageIsCutOnTheRight) {
  Picture(300, 10);
  settings.imagePosition = 0;
  const Box box = FindColour(Stamped(), kRed);
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.left, 10u);
  EXPECT_EQ(box.right, 199u);
  EXPECT_EQ(box.bottom - box.top, 9u);
}

TEST_F(WatermarkTest, RotationPlacesTheWatermarkByItsRotatedSize) {
  Picture(20, 10);
  settings.imageWatermarkRotation = 90;
  const Box box = FindColour(Stamped(), kRed);
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.right - box.left + 1, 10u);
  EXPECT_EQ(box.bottom - box.top + 1, 20u);
  EXPECT_EQ(box.right, 189u);
  EXPECT_EQ(box.bottom, 89u);
}

TEST_F(WatermarkTest, OffsetsThatDoNotFitLeaveTheImageAsItWas) {
  const std::pair<int, int> offsets[] = {{-5, 10}, {10, -5}, {500, 10}, {10, 500}, {200, 10}};
  for (const auto& [x, y] : offsets) {
    SetUp();
    Picture(20, 10);
    settings.imagePosition = 0;
    settings.imageXOffset = x;
    settings.imageYOffset = y;
    const RgbImage image = Stamped();
    ASSERT_EQ(image.width, 200u);
    EXPECT_FALSE(FindColour(image, kRed).found) << x << "," << y;
  }
}

TEST_F(WatermarkTest, PictureGreyscaleAndOpacity) {
  Picture(20, 10);
  settings.imageGreyscale = 1;
  EXPECT_TRUE(FindColour(Stamped(), 0x4C4C4C).found);  // grey 76 from pure red

  SetUp();
  Picture(20, 10, "red", "logo.jpg");
  settings.imageOpacity = 128;
  const RgbImage image = Stamped();
  // Without alpha the picture is drawn over black: darker, and the white photo does not show through.
  const uint32_t pixel = image.At(180, 85);
  EXPECT_NEAR(static_cast<int>(pixel >> 16), 128, 6);
  EXPECT_LT(static_cast<int>(pixel >> 8 & 0xFF), 10);
}

TEST_F(WatermarkTest, TransparentPartsOfAPngLogoStayTransparent) {
  settings.doWatermark = 2;
  settings.image = dir.File("logo.png");
  // Left half transparent, right half red.
  ASSERT_EQ(RunCommand("/usr/bin/convert -size 10x10 xc:none -size 10x10 xc:red +append " + Quote(settings.image)), 0);
  const RgbImage image = Stamped();
  const Box box = FindColour(image, kRed);
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.left, 180u);
  EXPECT_EQ(box.right, 189u);
  EXPECT_EQ(image.At(175, 85), 0xFFFFFFu);
}

TEST_F(WatermarkTest, AnUnusablePictureLeavesTheImageUnmarked) {
  settings.doWatermark = 2;
  const std::pair<const char*, std::vector<uint8_t>> pictures[] = {
      {"empty.png", {}},
      {"text.png", std::vector<uint8_t>(300, 'x')},
      {"truncated.png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0}},
      {"truncated.bmp", {'B', 'M', 0x36, 0x10, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 40, 0, 0, 0, 64, 0}},
  };
  for (const auto& [name, bytes] : pictures) {
    settings.image = dir.File(name);
    WriteBytes(settings.image, bytes);
    const RgbImage image = Stamped();
    ASSERT_EQ(image.width, 200u) << name;
    EXPECT_EQ(FindColour(image, 0xFFFFFF).found, true);
    EXPECT_EQ(image.At(180, 85), 0xFFFFFFu) << name;
  }
  settings.image = dir.File("missing.png");
  EXPECT_EQ(Stamped().At(180, 85), 0xFFFFFFu);
}

TEST_F(WatermarkTest, TextBoxSitsAtTheDefaultPlace) {
  Text("Tarnwick");
  const Box box = FindColour(Stamped(), kRed);
  ASSERT_TRUE(box.found);
  EXPECT_EQ(box.right, 189u);
  EXPECT_EQ(box.bottom, 89u);
  const TextExtent extent = MeasureText(*WatermarkFont(), "Tarnwick", TextRendering::Plain);
  EXPECT_EQ(box.right - box.left + 1, static_cast<unsigned>(std::lround(extent.width)));
}

TEST_F(WatermarkTest, LineBreaksInAnyCaseMakeLines) {
  Text("Line");
  const Bitmap one = RenderTextWatermark();
  ASSERT_TRUE(one);
  for (const char* text : {"Line%eol%Line", "Line%EOL%Line", "Line%Eol%Line"}) {
    settings.text = text;
    const Bitmap two = RenderTextWatermark();
    ASSERT_TRUE(two);
    EXPECT_EQ(BitmapHeight(two), 2 * BitmapHeight(one)) << text;  // no leading: one line advance
    EXPECT_EQ(BitmapWidth(two), BitmapWidth(one)) << text;
  }
  settings.fontLeading = 5;
  settings.textPadding = 3;
  settings.text = "Line%eol%Line%eol%Line";
  EXPECT_EQ(BitmapHeight(RenderTextWatermark()), 3 * BitmapHeight(one) + 2 * 5 + 2 * 3);
}

TEST_F(WatermarkTest, TokensNeedTwoPercentSigns) {
  settings.text = "100% %n%";
  EXPECT_EQ(WatermarkText(), "100% 00001");
  settings.text = "100% sure";
  EXPECT_EQ(WatermarkText(), "100% sure");
  settings.text = "%n";
  EXPECT_EQ(WatermarkText(), "%n");
}

TEST_F(WatermarkTest, LineStartFollowsTheAlignment) {
  settings.textPadding = 4;
  const std::pair<int, int> cases[] = {{0, 4}, {1, 26}, {2, 47}, {7, 0}};  // 25.5 rounds away from zero
  for (const auto& [alignment, x] : cases) {
    settings.textAlignment = static_cast<int8_t>(alignment);
    EXPECT_EQ(LineStart(50, 101), x) << alignment;
  }
}

// The size and depth tokens show the file being converted, not the one before it.
TEST_F(WatermarkTest, SizeTokensShowTheCurrentFile) {
  Text("%width%");
  Stamped(1000, 100);
  const Box box = FindColour(Stamped(50, 100), kRed);
  ASSERT_TRUE(box.found);
  const TextExtent fifty = MeasureText(*WatermarkFont(), "50", TextRendering::Plain);
  EXPECT_EQ(box.right - box.left + 1, static_cast<unsigned>(std::lround(fifty.width)));
  settings.text = "%bpp%";
  EXPECT_EQ(WatermarkText(), "24");
}

TEST_F(WatermarkTest, FontsAndSizesThatCannotBeUsed) {
  settings.doWatermark = 1;
  settings.font = "Arail";
  EXPECT_FALSE(LoadWatermarkFont());
  settings.font = "Arial";
  settings.fontSize = 0;
  EXPECT_FALSE(LoadWatermarkFont());
  EXPECT_EQ(Stamped().At(180, 85), 0xFFFFFFu);  // no font, no watermark, still converted

  settings.fontSize = 20000;  // a box larger than any canvas
  ASSERT_TRUE(LoadWatermarkFont());
  EXPECT_FALSE(RenderTextWatermark());
  EXPECT_EQ(Stamped().width, 200u);
}

TEST_F(WatermarkTest, AntiAliasedTextOnATranslucentBox) {
  Text("Tarnwick");
  settings.textAntialiasing = 1;
  settings.fontColor = "0000FF";
  settings.backOpacity = 128;
  const Bitmap mark = RenderTextWatermark();
  ASSERT_TRUE(mark);
  ASSERT_EQ(BitmapDepth(mark), 32u);
  bool partial = false, opaqueInk = false;
  for (unsigned y = 0; y < BitmapHeight(mark); ++y)
    for (unsigned x = 0; x < BitmapWidth(mark); ++x) {
      RGBQUAD q;
      FreeImage_GetPixelColor(mark.get(), x, y, &q);
      partial |= q.rgbReserved > 128 && q.rgbReserved < 255;
      opaqueInk |= q.rgbReserved == 255 && q.rgbBlue == 255 && q.rgbRed == 0;
    }
  EXPECT_TRUE(partial);    // anti-aliased edges over the half-transparent box
  EXPECT_TRUE(opaqueInk);  // the text itself at full opacity
}
