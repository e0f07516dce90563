#include "engine/exact_bmp_writer.h"
#include "support/images.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace {

uint32_t LE32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// An 8-bit image filled with index 0; entry i of its palette is red i, green 255 − i, blue 7.
Bitmap Indexed(unsigned width, unsigned height) {
  Bitmap dib(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 8));
  RGBQUAD* palette = FreeImage_GetPalette(dib.get());
  for (int i = 0; i < 256; ++i) {
    palette[i].rgbRed = static_cast<BYTE>(i);
    palette[i].rgbGreen = static_cast<BYTE>(255 - i);
    palette[i].rgbBlue = 7;
  }
  return dib;
}

}  // namespace

TEST(ExactBmpWriter, TwoColoursGiveATwoEntryTable) {
  ScratchFolder dir;
  Bitmap dib = Indexed(5, 3);  // odd width: rows are padded, the padding must not count
  BYTE one = 1;
  FreeImage_SetPixelIndex(dib.get(), 2, 1, &one);
  ASSERT_TRUE(WriteExactBmp(dib.get(), 0, dir.File("a.bmp")));

  const auto bytes = ReadBytes(dir.File("a.bmp"));
  ASSERT_GE(bytes.size(), 62u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  const uint32_t pixelSize = 8 * 3;  // 5 bytes padded to 8, three rows
  EXPECT_EQ(LE32(bytes, 2), 62 + pixelSize);
  EXPECT_EQ(bytes.size(), 62 + pixelSize);
  EXPECT_EQ(LE32(bytes, 10), 62u);
  EXPECT_EQ(LE32(bytes, 14), 40u);
  EXPECT_EQ(LE32(bytes, 30), 0u);          // compression
  EXPECT_EQ(LE32(bytes, 34), pixelSize);   // image size
  EXPECT_EQ(LE32(bytes, 46), 2u);          // colours used
  EXPECT_EQ(LE32(bytes, 50), 2u);          // important colours
  // Table entries are blue, green, red, 0.
  EXPECT_EQ((std::vector<uint8_t>(bytes.begin() + 54, bytes.begin() + 62)),
            (std::vector<uint8_t>{7, 255, 0, 0, 7, 254, 1, 0}));

  // ImageMagick reads the same pixels back.
  std::string out;
  ASSERT_EQ(RunCommand("/usr/bin/convert " + Quote(dir.File("a.bmp")) + " -format '%[pixel:p{2,1}] %[pixel:p{0,0}]' info:", &out), 0);
  EXPECT_EQ(out, "srgb(1,254,7) srgb(0,255,7)");
}

TEST(ExactBmpWriter, TheHighestIndexInTheLastPixelCounts) {
  ScratchFolder dir;
  Bitmap dib = Indexed(7, 4);
  BYTE index = 200;
  FreeImage_SetPixelIndex(dib.get(), 6, 0, &index);  // bottom row is the last row written
  ASSERT_TRUE(WriteExactBmp(dib.get(), 0, dir.File("b.bmp")));
  const auto bytes = ReadBytes(dir.File("b.bmp"));
  EXPECT_EQ(LE32(bytes, 46), 201u);
  EXPECT_EQ(LE32(bytes, 10), 54u + 4 * 201);
  EXPECT_EQ(IdentifySize(dir.File("b.bmp")), "7x4");
}

TEST(ExactBmpWriter, RunLengthEncodedPixels) {
  ScratchFolder dir;
  Bitmap dib = Indexed(64, 8);
  for (unsigned x = 0; x < 64; x += 8) {
    BYTE index = static_cast<BYTE>(x / 8);
    FreeImage_SetPixelIndex(dib.get(), x, 3, &index);
  }
  ASSERT_TRUE(WriteExactBmp(dib.get(), BMP_SAVE_RLE, dir.File("c.bmp")));
  const auto bytes = ReadBytes(dir.File("c.bmp"));
  EXPECT_EQ(LE32(bytes, 30), 1u);  // BI_RLE8
  EXPECT_EQ(LE32(bytes, 46), 8u);
  EXPECT_EQ(LE32(bytes, 34), bytes.size() - (54 + 32));
  EXPECT_LT(bytes.size(), 54u + 32 + 64 * 8);  // compressed
  std::string out;
  ASSERT_EQ(RunCommand("/usr/bin/convert " + Quote(dir.File("c.bmp")) + " -format '%[pixel:p{56,4}]' info:", &out), 0);
  EXPECT_EQ(out, "srgb(7,248,7)");  // row 3 from the bottom is row 4 from the top
}

TEST(ExactBmpWriter, RefusesWhatItCannotWrite) {
  ScratchFolder dir;
  EXPECT_FALSE(WriteExactBmp(nullptr, 0, dir.File("x.bmp")));
  EXPECT_FALSE(WriteExactBmp(MakeColourful(4, 4).get(), 0, dir.File("x.bmp")));
  EXPECT_FALSE(WriteExactBmp(Indexed(4, 4).get(), 0, dir.File("missing/x.bmp")));
  EXPECT_TRUE(ListFolder(dir.Path()).empty());
}
