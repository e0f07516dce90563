#include "engine/output_depth.h"
#include "engine/output_job.h"
#include "settings/settings.h"
#include "support/images.h"

#include <gtest/gtest.h>

TEST(AutomaticDepth, FirstDepthThatHoldsTheSourceElseTheLast) {
  struct Case {
    const char* extension;
    int source, depth;
  } cases[] = {{"png", 24, 24}, {"jpg", 24, 24}, {"gif", 24, 8}, {"jpg", 32, 24}, {"tga", 1, 8},
               {"png", 8, 8},   {"png", 16, 24}, {"tiff", 4, 4}, {"exr", 8, 96}, {"nope", 8, 0}};
  for (const Case& c : cases) EXPECT_EQ(AutomaticDepth(c.extension, c.source), c.depth) << c.extension << c.source;
}

class BitDepthStageTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetSettings(DefaultSet::Console);
    ResetJob();
  }
  // Runs the stage for `extension` at a fixed depth (0: automatic from `sourceDepth`).
  Bitmap Run(Bitmap in, const char* extension, int depth, int sourceDepth = 24) {
    PrepareOutputFormat(extension);
    job.outputBitDepth = depth;
    job.automaticDepth = depth == 0;
    job.sourceBitDepth = sourceDepth;
    return BitDepthStage(std::move(in));
  }
};

TEST_F(BitDepthStageTest, SixteenBitsPackFiveFiveFiveForIconsAndTargaElseFiveSixFive) {
  for (const char* extension : {"ico", "tga", "bmp", "jxr"}) {
    Bitmap out = Run(MakeColourful(9, 5), extension, 16);
    ASSERT_TRUE(out) << extension;
    EXPECT_EQ(FreeImage_GetBPP(out.get()), 16u);
    const bool five55 = std::string(extension) == "ico" || std::string(extension) == "tga";
    EXPECT_EQ(FreeImage_GetGreenMask(out.get()), five55 ? FI16_555_GREEN_MASK : FI16_565_GREEN_MASK) << extension;
  }
}

TEST_F(BitDepthStageTest, EightBitsQuantiseColourExceptForFormatsWithoutPalettes) {
  Bitmap gif = Run(MakeColourful(16, 16), "gif", 0);
  ASSERT_TRUE(gif);
  EXPECT_EQ(job.outputBitDepth, 8);
  EXPECT_EQ(FreeImage_GetColorType(gif.get()), FIC_PALETTE);  // colours kept, in a palette

  for (const char* extension : {"jpg", "j2k", "jp2", "jxr"}) {
    Bitmap grey = Run(MakeColourful(16, 16), extension, 8);
    ASSERT_TRUE(grey);
    EXPECT_EQ(FreeImage_GetBPP(grey.get()), 8u);
    EXPECT_EQ(FreeImage_GetColorType(grey.get()), FIC_MINISBLACK) << extension;
  }
}

TEST_F(BitDepthStageTest, AnImageAlreadyAtTheDepthIsLeftAlone) {
  Bitmap eight = MakeAtDepth(16, 16, 8);
  FIBITMAP* before = eight.get();
  Bitmap out = Run(std::move(eight), "png", 0, 8);
  EXPECT_EQ(out.get(), before);  // not quantised again
  EXPECT_EQ(job.outputBitDepth, 8);
}

TEST_F(BitDepthStageTest, AutomaticDepthFollowsTheSourceNotTheCurrentBitmap) {
  // Greyscale and threshold leave a 1-bit image, but a 24-bit source still saves at 24 bits.
  Bitmap oneBit(FreeImage_Threshold(MakeColourful(8, 8).get(), 128));
  Bitmap out = Run(std::move(oneBit), "png", 0, 24);
  ASSERT_TRUE(out);
  EXPECT_EQ(FreeImage_GetBPP(out.get()), 24u);
}

TEST_F(BitDepthStageTest, EveryDepthOfTheTableIsProduced) {
  struct Case {
    int depth;
    FREE_IMAGE_TYPE type;
    unsigned bpp;
  } cases[] = {{96, FIT_RGBF, 96}, {48, FIT_RGB16, 48}, {32, FIT_BITMAP, 32}, {24, FIT_BITMAP, 24},
               {8, FIT_BITMAP, 8}, {4, FIT_BITMAP, 4},   {1, FIT_BITMAP, 1}};
  for (const Case& c : cases) {
    Bitmap out = Run(MakeColourful(10, 6), "tiff", c.depth);
    ASSERT_TRUE(out) << c.depth;
    EXPECT_EQ(FreeImage_GetImageType(out.get()), c.type) << c.depth;
    EXPECT_EQ(FreeImage_GetBPP(out.get()), c.bpp) << c.depth;
  }
}

TEST_F(BitDepthStageTest, AnUnknownDepthGivesNoBitmap) {
  EXPECT_FALSE(Run(MakeColourful(4, 4), "png", 12));
  EXPECT_FALSE(Run(nullptr, "png", 24));
}
