// JPEG XR output checked by jxrlib's own decoder, JxrDecApp, with ImageMagick reading what it decodes.
#include "engine/jxr_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "support/rgba16.h"
#include "support/test_files.h"

namespace {

constexpr unsigned kWidth = 7;  // uneven sides so that flipped rows or swapped channels show
constexpr unsigned kHeight = 5;
constexpr unsigned kPixels = kWidth * kHeight;




// ImageMagick widens 5- and 6-bit samples through 8 bits by repeating their top bits.
uint16_t From5(unsigned v) { return From8((v << 3) | (v >> 2)); }
uint16_t From6(unsigned v) { return From8((v << 2) | (v >> 4)); }

// FreeImage keeps the bottom row first.
BYTE* TopDownRow(const Bitmap& dib, unsigned y) { return FreeImage_GetScanLine(dib.get(), kHeight - 1 - y); }

template <typename Fill>
Sample Make(unsigned bpp, Fill fill, unsigned r_mask = 0, unsigned g_mask = 0, unsigned b_mask = 0) {
  Sample s{Bitmap(FreeImage_Allocate(kWidth, kHeight, static_cast<int>(bpp), r_mask, g_mask, b_mask)), {}};
  for (unsigned y = 0; y < kHeight; ++y) {
    for (unsigned x = 0; x < kWidth; ++x) s.expected.push_back(fill(TopDownRow(s.dib, y), x, y * kWidth + x));
  }
  return s;
}

Sample Bgr24() {
  return Make(24, [](BYTE* row, unsigned x, unsigned i) {
    const unsigned r = i * 7, g = 255 - i * 5, b = i * 11 % 256;
    row[x * 3 + FI_RGBA_RED] = r, row[x * 3 + FI_RGBA_GREEN] = g, row[x * 3 + FI_RGBA_BLUE] = b;
    return Rgba16{From8(r), From8(g), From8(b), 65535};
  });
}

Sample Bgra32() {
  return Make(32, [](BYTE* row, unsigned x, unsigned i) {
    const unsigned r = 250 - i * 7, g = i * 5, b = i * 13 % 256, a = i * 7 + 3;
    row[x * 4 + FI_RGBA_RED] = r, row[x * 4 + FI_RGBA_GREEN] = g, row[x * 4 + FI_RGBA_BLUE] = b;
    row[x * 4 + FI_RGBA_ALPHA] = a;
    return Rgba16{From8(r), From8(g), From8(b), From8(a)};
  });
}

void GreyPalette(const Bitmap& dib) {
  for (unsigned k = 0; k < 256; ++k) FreeImage_GetPalette(dib.get())[k] = RGBQUAD{BYTE(k), BYTE(k), BYTE(k), 0};
}

Sample Grey8() {
  Sample s = Make(8, [](BYTE* row, unsigned x, unsigned i) {
    row[x] = static_cast<BYTE>(i * 7);
    return Rgba16{From8(i * 7), From8(i * 7), From8(i * 7), 65535};
  });
  GreyPalette(s.dib);
  return s;
}

RGBQUAD PaletteColour(unsigned k) { return RGBQUAD{BYTE(k * 13 % 256), BYTE(255 - k * 3), BYTE(k * 7), 0}; }


Sample Palette8() {
  Sample s = Make(8, [](BYTE* row, unsigned x, unsigned i) {
    row[x] = static_cast<BYTE>(i);
    return Expected(PaletteColour(i));
  });
  for (unsigned k = 0; k < 256; ++k) FreeImage_GetPalette(s.dib.get())[k] = PaletteColour(k);
  return s;
}

Sample Palette4() {
  Sample s = Make(4, [](BYTE* row, unsigned x, unsigned i) {
    const unsigned index = (i * 5 + 3) % 16;
    row[x / 2] |= static_cast<BYTE>(x % 2 ? index : index << 4);
    return Expected(PaletteColour(index));
  });
  for (unsigned k = 0; k < 16; ++k) FreeImage_GetPalette(s.dib.get())[k] = PaletteColour(k);
  return s;
}

// White at index 0, the reverse of the usual order, so that bits must follow the palette.
Sample BlackWhite1() {
  const RGBQUAD white{255, 255, 255, 0}, black{0, 0, 0, 0};
  Sample s = Make(1, [&](BYTE* row, unsigned x, unsigned i) {
    const bool is_black = (i % kWidth + 2 * (i / kWidth)) % 3 == 0;
    if (is_black) row[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    return Expected(is_black ? black : white);
  });
  FreeImage_GetPalette(s.dib.get())[0] = white;
  FreeImage_GetPalette(s.dib.get())[1] = black;
  return s;
}

Sample Rgb555() {
  return Make(
      16,
      [](BYTE* row, unsigned x, unsigned i) {
        const unsigned r = i % 32, g = (i * 3 + 1) % 32, b = 31 - i % 32;
        reinterpret_cast<WORD*>(row)[x] = static_cast<WORD>(r << 10 | g << 5 | b);
        return Rgba16{From5(r), From5(g), From5(b), 65535};
      },
      FI16_555_RED_MASK, FI16_555_GREEN_MASK, FI16_555_BLUE_MASK);
}

Sample Rgb565() {
  return Make(
      16,
      [](BYTE* row, unsigned x, unsigned i) {
        const unsigned r = (i + 5) % 32, g = (i * 2 + 1) % 64, b = i * 3 % 32;
        reinterpret_cast<WORD*>(row)[x] = static_cast<WORD>(r << 11 | g << 5 | b);
        return Rgba16{From5(r), From6(g), From5(b), 65535};
      },
      FI16_565_RED_MASK, FI16_565_GREEN_MASK, FI16_565_BLUE_MASK);
}

Sample Rgb48() {
  Sample s{Bitmap(FreeImage_AllocateT(FIT_RGB16, kWidth, kHeight)), {}};
  for (unsigned y = 0; y < kHeight; ++y) {
    auto* row = reinterpret_cast<FIRGB16*>(TopDownRow(s.dib, y));
    for (unsigned x = 0; x < kWidth; ++x) {
      const unsigned i = y * kWidth + x;
      row[x] = FIRGB16{WORD(i * 1000 + 1), WORD(65535 - i * 999), WORD(i * 37)};
      s.expected.push_back({row[x].red, row[x].green, row[x].blue, 65535});
    }
  }
  return s;
}

// JxrDecApp's 16-bit TIFFs confuse ImageMagick, its 16-bit BMPs do not.
std::string Decode(const std::string& jxr, const std::string& decoded) {
  std::string log;
  if (RunCommand("JxrDecApp -i " + Quote(jxr) + " -o " + Quote(decoded), &log) != 0) return "JxrDecApp: " + log;
  return "";
}


struct JxrCase {
  const char* name;
  Sample (*make)();
  const char* decoded_extension;
};

void PrintTo(const JxrCase& c, std::ostream* os) { *os << c.name; }

class JxrDepth : public testing::TestWithParam<JxrCase> {};

TEST_P(JxrDepth, DecodesToTheSamePixels) {
  ScratchFolder folder;
  const Sample sample = GetParam().make();
  ASSERT_TRUE(sample.dib);
  const std::string jxr = folder.File("out.jxr");
  const std::string decoded = folder.File(std::string("decoded.") + GetParam().decoded_extension);

  ASSERT_TRUE(WriteJxr(sample.dib.get(), jxr));
  ASSERT_EQ(Decode(jxr, decoded), "");
  EXPECT_EQ(ReadRgba16(decoded), sample.expected);
}

INSTANTIATE_TEST_SUITE_P(Depths, JxrDepth,
                         testing::Values(JxrCase{"BlackWhite1", BlackWhite1, "tif"},
                                         JxrCase{"Palette4", Palette4, "tif"}, JxrCase{"Grey8", Grey8, "tif"},
                                         JxrCase{"Palette8", Palette8, "tif"}, JxrCase{"Rgb555", Rgb555, "bmp"},
                                         JxrCase{"Rgb565", Rgb565, "bmp"}, JxrCase{"Bgr24", Bgr24, "tif"},
                                         JxrCase{"Bgra32", Bgra32, "tif"}, JxrCase{"Rgb48", Rgb48, "tif"}),
                         [](const testing::TestParamInfo<JxrCase>& info) { return info.param.name; });

// jxrlib codes floats with at most 22 mantissa bits, so 96-bit colour comes back within a few units
// in the last place rather than bit for bit; ImageMagick cannot read floats, FreeImage reads the TIFF.
TEST(JxrWriter, KeepsFloatColourToTwentyBits) {
  ScratchFolder folder;
  Bitmap dib(FreeImage_AllocateT(FIT_RGBF, kWidth, kHeight));
  ASSERT_TRUE(dib);
  std::vector<float> expected;
  for (unsigned y = 0; y < kHeight; ++y) {
    auto* row = reinterpret_cast<FIRGBF*>(TopDownRow(dib, y));
    for (unsigned x = 0; x < kWidth; ++x) {
      const float i = static_cast<float>(y * kWidth + x);
      row[x] = FIRGBF{(i + 1) / 3.0F, -std::pow(10.0F, i / 5.0F - 3.0F), 1000.0F - i * 0.37F};
      expected.insert(expected.end(), {row[x].red, row[x].green, row[x].blue});
    }
  }
  const std::string jxr = folder.File("out.jxr");
  ASSERT_TRUE(WriteJxr(dib.get(), jxr));
  ASSERT_EQ(Decode(jxr, folder.File("decoded.tif")), "");

  const Bitmap decoded(FreeImage_Load(FIF_TIFF, folder.File("decoded.tif").c_str()));
  ASSERT_TRUE(decoded);
  ASSERT_EQ(FreeImage_GetWidth(decoded.get()), kWidth);
  ASSERT_EQ(FreeImage_GetHeight(decoded.get()), kHeight);
  const unsigned channels = FreeImage_GetBPP(decoded.get()) / 32;
  ASSERT_GE(channels, 3U);
  for (unsigned y = 0; y < kHeight; ++y) {
    const auto* row = reinterpret_cast<const float*>(TopDownRow(decoded, y));
    for (unsigned x = 0; x < kWidth; ++x) {
      for (unsigned c = 0; c < 3; ++c) {
        const float want = expected[(y * kWidth + x) * 3 + c];
        EXPECT_NEAR(row[x * channels + c], want, std::fabs(want) / (1 << 20)) << x << "," << y << " channel " << c;
      }
    }
  }
}

TEST(JxrWriter, ReplacesWhateverIsAtThePath) {
  ScratchFolder folder;
  const std::string jxr = folder.File("out.jxr");
  WriteBytes(jxr, std::vector<uint8_t>(100000, 0x5A));
  const Sample sample = Bgr24();

  ASSERT_TRUE(WriteJxr(sample.dib.get(), jxr));
  EXPECT_LT(ReadBytes(jxr).size(), 100000U);
  ASSERT_EQ(Decode(jxr, folder.File("decoded.tif")), "");
  EXPECT_EQ(ReadRgba16(folder.File("decoded.tif")), sample.expected);
}

TEST(JxrWriter, FailsForAPathInAMissingFolder) {
  ScratchFolder folder;
  const Sample sample = Bgr24();
  EXPECT_FALSE(WriteJxr(sample.dib.get(), folder.File("missing/out.jxr")));
  EXPECT_TRUE(ListFolder(folder.Path()).empty());
}

}  // namespace
