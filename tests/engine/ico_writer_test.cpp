// Icons checked by ImageMagick, which reads them without FreeImage's help.
#include "engine/ico_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "support/rgba16.h"
#include "support/test_files.h"

namespace {



// 16-bit sources become 24-bit icons, widened the way FreeImage widens 5- and 6-bit samples.
uint16_t From5(unsigned v) { return From8(v * 255 / 31); }
uint16_t From6(unsigned v) { return From8(v * 255 / 63); }


template <typename Fill>
Sample Make(unsigned width, unsigned height, unsigned bpp, Fill fill, unsigned r_mask = 0, unsigned g_mask = 0,
            unsigned b_mask = 0) {
  Sample s{Bitmap(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), static_cast<int>(bpp), r_mask,
                                     g_mask, b_mask)),
           {}};
  for (unsigned y = 0; y < height; ++y) {
    BYTE* row = FreeImage_GetScanLine(s.dib.get(), height - 1 - y);  // FreeImage keeps the bottom row first
    for (unsigned x = 0; x < width; ++x) s.expected.push_back(fill(row, x, y));
  }
  return s;
}

Sample Bgr24(unsigned width, unsigned height) {
  return Make(width, height, 24, [](BYTE* row, unsigned x, unsigned y) {
    const unsigned r = x % 256, g = y % 256, b = (x * 3 + y * 5 + 1) % 256;
    row[x * 3 + FI_RGBA_RED] = r, row[x * 3 + FI_RGBA_GREEN] = g, row[x * 3 + FI_RGBA_BLUE] = b;
    return Rgba16{From8(r), From8(g), From8(b), 65535};
  });
}

constexpr unsigned kWidth = 7;
constexpr unsigned kHeight = 5;

Sample Bgr24Small() { return Bgr24(kWidth, kHeight); }

// Fully clear, fully opaque and partly clear pixels.
Sample Bgra32() {
  return Make(kWidth, kHeight, 32, [](BYTE* row, unsigned x, unsigned y) {
    const unsigned i = y * kWidth + x, r = i * 7, g = 255 - i * 3, b = i * 11 % 256;
    const unsigned a = i % 3 == 0 ? 0 : i % 3 == 1 ? 255 : i * 7;
    row[x * 4 + FI_RGBA_RED] = r, row[x * 4 + FI_RGBA_GREEN] = g, row[x * 4 + FI_RGBA_BLUE] = b;
    row[x * 4 + FI_RGBA_ALPHA] = a;
    return Rgba16{From8(r), From8(g), From8(b), From8(a)};
  });
}

RGBQUAD PaletteColour(unsigned k) { return RGBQUAD{BYTE(k * 13 % 256), BYTE(255 - k * 3), BYTE(k * 7), 0}; }


Sample Palette8() {
  Sample s = Make(kWidth, kHeight, 8, [](BYTE* row, unsigned x, unsigned y) {
    const unsigned index = y * kWidth + x + 100;
    row[x] = static_cast<BYTE>(index);
    return Expected(PaletteColour(index));
  });
  for (unsigned k = 0; k < 256; ++k) FreeImage_GetPalette(s.dib.get())[k] = PaletteColour(k);
  return s;
}

Sample Palette4() {
  Sample s = Make(kWidth, kHeight, 4, [](BYTE* row, unsigned x, unsigned y) {
    const unsigned index = (x * 5 + y * 3 + 1) % 16;
    row[x / 2] |= static_cast<BYTE>(x % 2 ? index : index << 4);
    return Expected(PaletteColour(index));
  });
  for (unsigned k = 0; k < 16; ++k) FreeImage_GetPalette(s.dib.get())[k] = PaletteColour(k);
  return s;
}

// White at index 0, as FreeImage_Dither may leave it.
Sample BlackWhite1() {
  const RGBQUAD white{255, 255, 255, 0}, black{0, 0, 0, 0};
  Sample s = Make(kWidth, kHeight, 1, [&](BYTE* row, unsigned x, unsigned y) {
    const bool is_black = (x + 2 * y) % 3 == 0;
    if (is_black) row[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    return Expected(is_black ? black : white);
  });
  FreeImage_GetPalette(s.dib.get())[0] = white;
  FreeImage_GetPalette(s.dib.get())[1] = black;
  return s;
}

Sample Rgb555() {
  return Make(
      kWidth, kHeight, 16,
      [](BYTE* row, unsigned x, unsigned y) {
        const unsigned i = y * kWidth + x, r = i % 32, g = (i * 3 + 1) % 32, b = 31 - i % 32;
        reinterpret_cast<WORD*>(row)[x] = static_cast<WORD>(r << 10 | g << 5 | b);
        return Rgba16{From5(r), From5(g), From5(b), 65535};
      },
      FI16_555_RED_MASK, FI16_555_GREEN_MASK, FI16_555_BLUE_MASK);
}

Sample Rgb565() {
  return Make(
      kWidth, kHeight, 16,
      [](BYTE* row, unsigned x, unsigned y) {
        const unsigned i = y * kWidth + x, r = (i + 5) % 32, g = (i * 2 + 1) % 64, b = i * 3 % 32;
        reinterpret_cast<WORD*>(row)[x] = static_cast<WORD>(r << 11 | g << 5 | b);
        return Rgba16{From5(r), From6(g), From5(b), 65535};
      },
      FI16_565_RED_MASK, FI16_565_GREEN_MASK, FI16_565_BLUE_MASK);
}


struct IcoCase {
  const char* name;
  Sample (*make)();
};

void PrintTo(const IcoCase& c, std::ostream* os) { *os << c.name; }

class IcoDepth : public testing::TestWithParam<IcoCase> {};

TEST_P(IcoDepth, ImageMagickReadsTheSamePixels) {
  ScratchFolder folder;
  const Sample sample = GetParam().make();
  ASSERT_TRUE(sample.dib);
  const std::string ico = folder.File("out.ico");

  ASSERT_TRUE(WriteIco(sample.dib.get(), ico));
  EXPECT_EQ(ReadRgba16("ICO:" + ico), sample.expected);
}

INSTANTIATE_TEST_SUITE_P(Depths, IcoDepth,
                         testing::Values(IcoCase{"BlackWhite1", BlackWhite1}, IcoCase{"Palette4", Palette4},
                                         IcoCase{"Palette8", Palette8}, IcoCase{"Rgb555", Rgb555},
                                         IcoCase{"Rgb565", Rgb565}, IcoCase{"Bgr24", Bgr24Small},
                                         IcoCase{"Bgra32", Bgra32}),
                         [](const testing::TestParamInfo<IcoCase>& info) { return info.param.name; });

struct Size {
  unsigned width, height;
};

void PrintTo(const Size& s, std::ostream* os) { *os << s.width << "x" << s.height; }

class IcoSize : public testing::TestWithParam<Size> {};

TEST_P(IcoSize, KeepsTheSourceSize) {
  ScratchFolder folder;
  const auto [width, height] = GetParam();
  const Sample sample = Bgr24(width, height);
  const std::string ico = folder.File("out.ico");

  ASSERT_TRUE(WriteIco(sample.dib.get(), ico));
  EXPECT_EQ(IdentifySize(ico, "ICO"), std::to_string(width) + "x" + std::to_string(height));
  EXPECT_EQ(ReadRgba16("ICO:" + ico), sample.expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, IcoSize, testing::Values(Size{128, 40}, Size{1, 1}, Size{15, 15}, Size{256, 256}),
                         [](const testing::TestParamInfo<Size>& info) {
                           return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

TEST(IcoWriter, RefusesSidesAbove256) {
  ScratchFolder folder;
  for (const Size size : {Size{257, 257}, Size{257, 16}, Size{16, 257}}) {
    const Sample sample = Bgr24(size.width, size.height);
    EXPECT_FALSE(WriteIco(sample.dib.get(), folder.File("out.ico"))) << size.width << "x" << size.height;
  }
  EXPECT_TRUE(ListFolder(folder.Path()).empty());
}

TEST(IcoWriter, FailsForAPathInAMissingFolder) {
  ScratchFolder folder;
  const Sample sample = Bgr24Small();
  EXPECT_FALSE(WriteIco(sample.dib.get(), folder.File("missing/out.ico")));
  EXPECT_TRUE(ListFolder(folder.Path()).empty());
}

// Windows draws through the AND mask, ImageMagick ignores it for 32-bit icons, so it is read from the
// file: one bit per pixel, rows bottom-up and padded to 4 bytes, after the 40-byte header and colour rows.
TEST(IcoWriter, MasksOutTheClearPixelsOf32BitIcons) {
  ScratchFolder folder;
  const Sample sample = Bgra32();
  const std::string ico = folder.File("out.ico");
  ASSERT_TRUE(WriteIco(sample.dib.get(), ico));

  const std::vector<uint8_t> bytes = ReadBytes(ico);
  const size_t mask_start = 22 + 40 + kWidth * 4 * kHeight;
  const size_t mask_row = 4;
  ASSERT_EQ(bytes.size(), mask_start + mask_row * kHeight);
  for (unsigned y = 0; y < kHeight; ++y) {
    for (unsigned x = 0; x < kWidth; ++x) {
      const uint8_t byte = bytes[mask_start + (kHeight - 1 - y) * mask_row + x / 8];
      const bool clear = byte & (0x80 >> (x % 8));
      EXPECT_EQ(clear, sample.expected[y * kWidth + x].a == 0) << x << "," << y;
    }
  }
}

TEST(IcoWriter, KnowsWhichSizesFreeImageWrites) {
  EXPECT_TRUE(FreeImageWritesIco(16, 16, 8));
  EXPECT_TRUE(FreeImageWritesIco(256, 256, 32));
  EXPECT_FALSE(FreeImageWritesIco(15, 15, 8));
  EXPECT_FALSE(FreeImageWritesIco(128, 40, 8));
  EXPECT_FALSE(FreeImageWritesIco(257, 257, 8));
  EXPECT_FALSE(FreeImageWritesIco(64, 64, 16));
}

}  // namespace
