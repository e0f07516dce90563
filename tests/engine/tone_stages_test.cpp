#include "engine/tone_stages.h"
#include "settings/settings.h"
#include "support/images.h"

#include <gtest/gtest.h>

namespace {

class ToneStages : public ::testing::Test {
protected:
  void SetUp() override { ResetSettings(DefaultSet::Console); }
};

Bitmap Filled(uint32_t rgb) { return MakeFilled(4, 4, rgb); }

}  // namespace

TEST_F(ToneStages, GreyscaleWeighsTheChannelsByLuminance) {
  settings.doImageGreyscale = 1;
  // FreeImage's Rec. 709 weights: a swapped channel order would show at once.
  const std::pair<uint32_t, uint32_t> cases[] = {{0xFF0000, 54}, {0x00FF00, 182}, {0x0000FF, 18}};
  for (const auto& [colour, grey] : cases) {
    Bitmap out = GreyscaleStage(Filled(colour));
    ASSERT_TRUE(out);
    EXPECT_EQ(BitmapDepth(out), 8u);
    EXPECT_EQ(PixelRgb(out.get(), 1, 1), grey * 0x010101u) << std::hex << colour;
  }
}

TEST_F(ToneStages, ThresholdKeepsTheLowEightBits) {
  // A grey ramp 0..255 across the image: pixels at or above the threshold turn white.
  Bitmap ramp(FreeImage_Allocate(256, 1, 8));
  for (unsigned x = 0; x < 256; ++x) {
    BYTE v = static_cast<BYTE>(x);
    FreeImage_SetPixelIndex(ramp.get(), x, 0, &v);
    FreeImage_GetPalette(ramp.get())[x] = RGBQUAD{v, v, v, 0};
  }
  settings.doImageThreshold = 1;
  for (int threshold : {128, 384}) {
    settings.imageThreshold = threshold;
    Bitmap bw = ThresholdStage(Bitmap(FreeImage_Clone(ramp.get())));
    ASSERT_TRUE(bw);
    EXPECT_EQ(BitmapDepth(bw), 1u);
    EXPECT_EQ(PixelRgb(bw.get(), 127, 0), 0u) << threshold;
    EXPECT_EQ(PixelRgb(bw.get(), 128, 0), 0xFFFFFFu) << threshold;
  }
  settings.imageThreshold = 0;
  EXPECT_EQ(PixelRgb(ThresholdStage(Bitmap(FreeImage_Clone(ramp.get()))).get(), 0, 0), 0xFFFFFFu);
}

TEST_F(ToneStages, AFourBitSourceIsAdjustedAs24Bit) {
  Bitmap four(FreeImage_ConvertTo4Bits(MakeColourful(8, 8).get()));
  ASSERT_EQ(BitmapDepth(four), 4u);
  const uint32_t before = PixelRgb(four.get(), 3, 3);
  settings.doImageColorCorrection = 1;
  settings.imageInvert = 1;
  Bitmap adjusted = ColourAdjustmentStage(std::move(four));
  ASSERT_TRUE(adjusted);
  EXPECT_EQ(BitmapDepth(adjusted), 24u);
  EXPECT_EQ(PixelRgb(adjusted.get(), 3, 3), before ^ 0xFFFFFFu);
}

TEST_F(ToneStages, NeutralAdjustmentLeavesPixelsAlone) {
  settings.doImageColorCorrection = 1;  // brightness 0, contrast 0, gamma 1, no invert
  Bitmap image = ColourAdjustmentStage(MakeColourful(9, 7));
  Bitmap reference = MakeColourful(9, 7);
  for (unsigned y = 0; y < 7; ++y)
    for (unsigned x = 0; x < 9; ++x) EXPECT_EQ(PixelRgb(image.get(), x, y), PixelRgb(reference.get(), x, y));
  settings.imageBrightness = 50;
  Bitmap brighter = ColourAdjustmentStage(Filled(0x404040));
  EXPECT_GT(PixelRgb(brighter.get(), 0, 0) & 0xFF, 0x40u);
}
