#include "engine/flip_stage.h"
#include "engine/resize_stage.h"
#include "engine/rotation_stage.h"
#include "settings/settings.h"
#include "support/images.h"

#include <gtest/gtest.h>

namespace {

class GeometryStages : public ::testing::Test {
protected:
  void SetUp() override { ResetSettings(DefaultSet::Console); }
};

std::string SizeOf(const Bitmap& b) { return std::to_string(BitmapWidth(b)) + "x" + std::to_string(BitmapHeight(b)); }

Bitmap Filled(unsigned width, unsigned height, uint32_t rgb, unsigned depth = 24) {
  Bitmap dib = MakeFilled(width, height, rgb);
  if (depth == 8) return Bitmap(FreeImage_ConvertTo8Bits(dib.get()));
  if (depth == 32) return Bitmap(FreeImage_ConvertTo32Bits(dib.get()));
  return dib;
}

}  // namespace

TEST_F(GeometryStages, OnlyAnglesFrom1To359Rotate) {
  settings.doImageRotation = 1;
  for (int angle : {0, 360, -90, 400}) {
    settings.imageRotation = angle;
    EXPECT_EQ(SizeOf(RotationStage(MakeColourful(30, 20))), "30x20") << angle;
  }
  settings.imageRotation = 90;
  EXPECT_EQ(SizeOf(RotationStage(MakeColourful(30, 20))), "20x30");
  settings.doImageRotation = 0;
  EXPECT_EQ(SizeOf(RotationStage(MakeColourful(30, 20))), "30x20");
}

TEST_F(GeometryStages, SimpleRotationGrowsWithTheBackColourAdvancedKeepsTheSizeWithBlack) {
  settings.doImageRotation = 1;
  settings.imageRotation = 45;
  settings.imageRotationBackColor = "00FF00";
  Bitmap simple = RotationStage(Filled(100, 100, 0xFFFFFF));
  ASSERT_TRUE(simple);
  EXPECT_GT(BitmapWidth(simple), 140u);  // 100 × √2
  EXPECT_EQ(BitmapWidth(simple), BitmapHeight(simple));
  const unsigned last = BitmapWidth(simple) - 1;
  for (auto [x, y] : {std::pair{0u, 0u}, {last, 0u}, {0u, last}, {last, last}})
    EXPECT_EQ(PixelRgb(simple.get(), x, y), 0x00FF00u) << x << "," << y;
  EXPECT_EQ(PixelRgb(simple.get(), last / 2, last / 2), 0xFFFFFFu);

  settings.imageRotationType = 1;
  Bitmap advanced = RotationStage(Filled(100, 100, 0xFFFFFF));
  ASSERT_TRUE(advanced);
  EXPECT_EQ(SizeOf(advanced), "100x100");
  for (auto [x, y] : {std::pair{0u, 0u}, {99u, 0u}, {0u, 99u}, {99u, 99u}})
    EXPECT_EQ(PixelRgb(advanced.get(), x, y), 0x000000u) << x << "," << y;
  EXPECT_EQ(PixelRgb(advanced.get(), 50, 50), 0xFFFFFFu);
}

TEST_F(GeometryStages, RotationWidensSmallDepthsAndKeepsAlpha) {
  settings.doImageRotation = 1;
  settings.imageRotation = 90;
  EXPECT_EQ(BitmapDepth(RotationStage(Filled(8, 4, 0x808080, 8))), 24u);
  EXPECT_EQ(BitmapDepth(RotationStage(Filled(8, 4, 0x808080, 32))), 32u);
}

TEST_F(GeometryStages, PercentSizesRoundHalvesToEven) {
  EXPECT_EQ(TargetSize(50, 1, 101), 50);
  EXPECT_EQ(TargetSize(50, 1, 103), 52);
  EXPECT_EQ(TargetSize(150, 1, 10), 15);
  EXPECT_EQ(TargetSize(200, 0, 999), 200);
  EXPECT_EQ(TargetSize(200, 2, 999), 0);
}

TEST_F(GeometryStages, ResizeCases) {
  struct Case {
    unsigned width, height;
    int targetWidth, widthUnit, targetHeight, heightUnit;
    int keepAspect, largeOnly;
    const char* size;
  } cases[] = {
      {101, 103, 50, 1, 50, 1, 0, 0, "50x52"},
      {400, 300, 200, 0, 999, 0, 1, 0, "200x150"},  // the longer side takes its target
      {300, 400, 999, 0, 200, 0, 1, 0, "150x200"},
      {400, 300, 200, 0, 0, 0, 1, 0, "400x300"},    // a target of 0 does not resize at all
      {400, 300, -5, 0, 100, 0, 0, 0, "400x300"},
      {100, 100, 200, 0, 50, 0, 0, 1, "200x50"},    // larger than the target in one direction
      {100, 100, 200, 0, 150, 0, 0, 1, "100x100"},  // smaller in both: large images only
      {100, 100, 100, 0, 100, 0, 0, 0, "100x100"},
      {1000, 2, 10, 0, 10, 0, 1, 0, "10x1"},        // the short side keeps a pixel
  };
  settings.doImageResize = 1;
  for (const Case& c : cases) {
    settings.imageWidth = c.targetWidth;
    settings.imageWidthUnit = static_cast<int8_t>(c.widthUnit);
    settings.imageHeight = c.targetHeight;
    settings.imageHeightUnit = static_cast<int8_t>(c.heightUnit);
    settings.keepAspectRatio = static_cast<int8_t>(c.keepAspect);
    settings.imageResizeType = static_cast<int8_t>(c.largeOnly);
    EXPECT_EQ(SizeOf(ResizeStage(MakeColourful(c.width, c.height), c.width, c.height)), c.size)
        << c.width << "x" << c.height << " to " << c.targetWidth << "," << c.targetHeight;
  }
}

TEST_F(GeometryStages, FlipMirrorsInPlace) {
  Bitmap image = MakeColourful(5, 3);
  const uint32_t topLeft = PixelRgb(image.get(), 0, 0);
  const uint32_t bottomRight = PixelRgb(image.get(), 4, 2);
  FlipStage(image);  // both switches off
  EXPECT_EQ(PixelRgb(image.get(), 0, 0), topLeft);
  settings.doImageFlipHorizontal = 1;
  settings.doImageFlipVertical = 1;
  FlipStage(image);
  EXPECT_EQ(PixelRgb(image.get(), 0, 0), bottomRight);
  EXPECT_EQ(PixelRgb(image.get(), 4, 2), topLeft);
}
