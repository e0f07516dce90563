#include "engine/frame_stage.h"
#include "settings/settings.h"
#include "support/conversion.h"
#include "support/images.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class FrameTest : public ConversionTest {
protected:
  void Bands(int left, int right, int top, int bottom) {
    settings.doFrame = 1;
    settings.solidLeft = left;
    settings.solidRight = right;
    settings.solidTop = top;
    settings.solidBottom = bottom;
  }
  // A white 100 × 80 bitmap through the pipeline to png, as ImageMagick reads it back.
  RgbImage Framed() {
    const std::string source = dir.File("white.bmp");
    SaveBmp(MakeFilled(100, 80, 0xFFFFFF), source);
    EXPECT_TRUE(Convert(source, "png", 0, dir.File("framed.png")));
    return DecodeWithImageMagick(dir.File("framed.png"));
  }
};

}  // namespace

TEST_F(FrameTest, ABlackBorderAllRound) {
  Bands(10, 10, 10, 10);
  const RgbImage image = Framed();
  ASSERT_EQ(image.width, 100u);
  ASSERT_EQ(image.height, 80u);
  for (auto [x, y] : {std::pair{0u, 0u}, {5u, 40u}, {50u, 5u}, {94u, 40u}, {99u, 79u}, {50u, 75u}, {9u, 9u}})
    EXPECT_EQ(image.At(x, y), 0x000000u) << x << "," << y;
  for (auto [x, y] : {std::pair{10u, 10u}, {50u, 40u}, {89u, 69u}})
    EXPECT_EQ(image.At(x, y), 0xFFFFFFu) << x << "," << y;
}

TEST_F(FrameTest, NeighbouringBandsMeetOnTheCornersDiagonal) {
  Bands(20, 0, 20, 0);
  settings.solidTopColor = "FF0000";
  settings.solidLeftColor = "0000FF";
  const RgbImage image = Framed();
  ASSERT_EQ(image.width, 100u);
  EXPECT_EQ(image.At(15, 4), 0xFF0000u);   // above the diagonal: the top band
  EXPECT_EQ(image.At(4, 15), 0x0000FFu);   // below it: the left band
  EXPECT_EQ(image.At(50, 10), 0xFF0000u);
  EXPECT_EQ(image.At(10, 50), 0x0000FFu);
  EXPECT_EQ(image.At(50, 50), 0xFFFFFFu);
}

TEST_F(FrameTest, OpacityBlendsTheFrameOverTheImage) {
  Bands(10, 10, 10, 10);
  settings.solidOpacity = 128;
  const RgbImage image = Framed();
  ASSERT_EQ(image.width, 100u);
  const int grey = static_cast<int>(image.At(5, 40) & 0xFF);
  EXPECT_NEAR(grey, 127, 3);
  EXPECT_EQ(image.At(5, 40), static_cast<uint32_t>(grey) * 0x010101u);
}

TEST_F(FrameTest, EveryFrameSettingButZeroLeaves24Bits) {
  for (int doFrame : {1, 2}) {
    settings.doFrame = static_cast<int8_t>(doFrame);
    Bitmap out = FrameStage(MakeAtDepth(20, 10, 32), 20, 10);
    ASSERT_TRUE(out);
    EXPECT_EQ(BitmapDepth(out), 24u) << doFrame;
  }
  settings.doFrame = 0;
  EXPECT_EQ(BitmapDepth(FrameStage(MakeAtDepth(20, 10, 32), 20, 10)), 32u);
}

TEST_F(FrameTest, BandsWiderThanTheImageStillGiveAnImage) {
  for (auto [l, r, t, b] : {std::tuple{200, 200, 5, 5}, {-30, 5, 5, -30}, {0, 0, 0, 0}, {100, 0, 80, 0}}) {
    Bands(l, r, t, b);
    Bitmap out = FrameStage(MakeFilled(100, 80, 0xFFFFFF), 100, 80);
    ASSERT_TRUE(out);
    EXPECT_EQ(BitmapWidth(out), 100u);
    EXPECT_EQ(BitmapHeight(out), 80u);
  }
}
