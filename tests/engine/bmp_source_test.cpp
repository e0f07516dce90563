#include "engine/bmp_source.h"

#include "engine/bmp_fixtures.h"
#include "engine/bmp_pixels.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

Bitmap Decode(const std::vector<uint8_t>& bytes) { return DecodeBmp(bytes.data(), bytes.size()); }

bool StandardMasks(const BmpLayout& l) {
  const auto& m = l.masks;
  if (l.bpp == 16)
    return m[3] == 0 && m[2] == 0x1F && ((m[0] == 0x7C00 && m[1] == 0x3E0) || (m[0] == 0xF800 && m[1] == 0x7E0));
  return m[0] == 0xFF0000 && m[1] == 0xFF00 && m[2] == 0xFF && (m[3] == 0 || m[3] == 0xFF000000);
}

unsigned ExpectedDepth(const BmpLayout& l) {
  if (l.compression != kBiBitfields || StandardMasks(l)) return l.bpp;
  return l.masks[3] ? 32 : 24;
}

class EveryLayout : public testing::TestWithParam<BmpLayout> {};

TEST_P(EveryLayout, DecodesTheKnownPixels) {
  const BmpLayout& l = GetParam();
  const BmpFixture f = MakeBmp(l);
  const Bitmap dib = Decode(f.bytes);
  ASSERT_TRUE(dib);
  EXPECT_EQ(BitmapWidth(dib), static_cast<unsigned>(f.width));
  EXPECT_EQ(BitmapHeight(dib), static_cast<unsigned>(f.height));
  EXPECT_EQ(BitmapDepth(dib), ExpectedDepth(l));
  // FreeImage widens 5-bit channels by truncating, the fixture by rounding.
  const int tolerance = l.bpp == 16 && ExpectedDepth(l) == 16 ? 1 : 0;
  EXPECT_EQ(CompareImages(ReadPixels(dib.get()), f.expected, f.width, tolerance), "");
}

TEST_P(EveryLayout, TrailingBytesAreHarmless) {
  BmpFixture f = MakeBmp(GetParam());
  f.bytes.resize(f.bytes.size() + 37, 0xA5);
  const Bitmap dib = Decode(f.bytes);
  ASSERT_TRUE(dib);
  EXPECT_EQ(BitmapWidth(dib), static_cast<unsigned>(f.width));
}

INSTANTIATE_TEST_SUITE_P(Bmp, EveryLayout, testing::ValuesIn(FixtureLayouts()),
                         [](const auto& info) { return info.param.name; });

TEST(BmpAlpha, OneNonzeroAlphaKeepsTheStoredAlpha) {
  BmpFixture f = MakeBmp({.bpp = 32, .zeroAlpha = true});
  const size_t offset = f.bytes.size() - 3 * 5 * 4;
  f.bytes[offset + 4 * 2 + 3] = 7;  // bottom row, third pixel
  const Bitmap dib = Decode(f.bytes);
  ASSERT_TRUE(dib);
  const std::vector<Rgba> pixels = ReadPixels(dib.get());
  EXPECT_EQ(pixels[2 * 5 + 2].a, 7);
  EXPECT_EQ(pixels[2 * 5 + 1].a, 0);
  EXPECT_EQ(pixels[0].a, 0);
}

// A 24-bit file may declare palette entries it does not store; the pixels are where the offset says.
TEST(BmpPalette, DirectColourWithDeclaredButMissingPaletteDecodes) {
  BmpFixture f = MakeBmp({.bpp = 24});
  Put32(f.bytes, 46, 256);
  const Bitmap dib = Decode(f.bytes);
  ASSERT_TRUE(dib);
  EXPECT_EQ(CompareImages(ReadPixels(dib.get()), f.expected, f.width), "");
}

TEST(BmpPalette, MoreColoursDeclaredThanTheDepthAllowsUsesTheFirst) {
  BmpFixture f = MakeBmp({.bpp = 4});
  Put32(f.bytes, 46, 300);
  const Bitmap dib = Decode(f.bytes);
  ASSERT_TRUE(dib);
  EXPECT_EQ(CompareImages(ReadPixels(dib.get()), f.expected, f.width), "");
}

// Hand-made RLE streams with every escape; the expected indices are written out, top row first.
struct RleCase {
  std::string name;
  int bpp, width, height;
  std::vector<uint8_t> stream;
  std::vector<int> indices;  // top row first; -1 where the stream is damaged and null is due
};

const RleCase kRleCases[] = {
    {"Rle8_DeltaAndEarlyEndOfLine", 8, 5, 3,
     {3, 7, 0, 0,          // bottom row: 7 7 7, rest left 0
      0, 2, 1, 0, 2, 9,    // middle row: delta right 1, then 9 9
      0, 3, 1, 2, 3, 0,    // absolute 1 2 3 with its pad byte
      0, 0, 0, 1},
     {0, 0, 0, 0, 0,       // the top row is never written
      0, 9, 9, 1, 2,       // the third absolute pixel is clipped at the right edge
      7, 7, 7, 0, 0}},
    {"Rle8_DeltaUpSkipsRows", 8, 4, 3,
     {2, 5, 0, 2, 1, 2, 1, 6, 0, 1},
     {0, 0, 0, 6, 0, 0, 0, 0, 5, 5, 0, 0}},
    {"Rle8_RunPastEdgeIsClipped", 8, 3, 2,
     {200, 4, 0, 0, 0, 4, 1, 2, 3, 4, 0, 1},
     {1, 2, 3, 4, 4, 4}},
    {"Rle8_DeltaPastTopIsClipped", 8, 3, 2, {1, 3, 0, 2, 0, 9, 5, 5, 0, 1}, {0, 0, 0, 3, 0, 0}},
    {"Rle8_EndOfBitmapMidImage", 8, 3, 2, {2, 8, 0, 1}, {0, 0, 0, 8, 8, 0}},
    {"Rle4_AlternatingRunAndOddAbsolute", 4, 5, 2,
     {5, 0x12, 0, 0,             // 1 2 1 2 1
      0, 3, 0x34, 0x50, 0, 0,    // absolute 3 4 5, two data bytes, already even
      0, 1},
     {3, 4, 5, 0, 0, 1, 2, 1, 2, 1}},
    {"Rle4_AbsoluteWithPadByte", 4, 6, 1, {0, 5, 0xAB, 0xCD, 0xE0, 0, 1, 0x70, 0, 1}, {10, 11, 12, 13, 14, 7}},
    {"Rle8_TruncatedAbsoluteRun", 8, 4, 2, {0, 4, 1, 2}, {-1}},
    {"Rle8_TruncatedDelta", 8, 4, 2, {0, 2, 1}, {-1}},
    {"Rle8_EndsBeforeTheLastRow", 8, 4, 2, {4, 1, 0, 0}, {-1}},
};

class RleStreams : public testing::TestWithParam<RleCase> {};

TEST_P(RleStreams, DecodeEveryEscape) {
  const RleCase& c = GetParam();
  std::vector<Rgba> palette;
  const Bitmap dib = Decode(MakeRleBmp(c.bpp, c.width, c.height, c.stream, &palette));
  if (c.indices == std::vector<int>{-1}) {
    EXPECT_FALSE(dib);
    return;
  }
  ASSERT_TRUE(dib);
  EXPECT_EQ(BitmapDepth(dib), static_cast<unsigned>(c.bpp));
  std::vector<Rgba> expected;
  for (int i : c.indices) expected.push_back(palette[i]);
  EXPECT_EQ(CompareImages(ReadPixels(dib.get()), expected, c.width), "");
}

INSTANTIATE_TEST_SUITE_P(Bmp, RleStreams, testing::ValuesIn(kRleCases),
                         [](const auto& info) { return info.param.name; });

// Damage applied to a good file; each must give null.
struct BadCase {
  std::string name;
  BmpLayout layout;
  std::function<void(std::vector<uint8_t>&)> damage;
};

const BmpLayout k24{.bpp = 24};
const BmpLayout k8{.bpp = 8};
const BmpLayout kRle{.bpp = 8, .compression = kBiRle8};
const BmpLayout kFields{.header = BmpHeader::V5, .bpp = 16, .compression = kBiBitfields,
                        .masks = {0x0F00, 0x00F0, 0x000F, 0xF000}};

const BadCase kBadCases[] = {
    {"NotABitmap", k24, [](auto& b) { b.assign({'h', 'e', 'l', 'l', 'o', '\n'}); }},
    {"PngBytes", k24, [](auto& b) { b.assign({0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13}); }},
    {"Empty", k24, [](auto& b) { b.clear(); }},
    {"TruncatedFileHeader", k24, [](auto& b) { b.resize(10); }},
    {"TruncatedInfoHeader", k24, [](auto& b) { b.resize(30); }},
    {"TruncatedV5Header", kFields, [](auto& b) { b.resize(100); }},
    {"HugeDimensions", k24, [](auto& b) { Put32(b, 18, 100000); Put32(b, 22, 100000); }},
    {"HugeRleDimensions", kRle, [](auto& b) { Put32(b, 18, 100000); Put32(b, 22, 100000); }},
    {"NegativeWidth", k24, [](auto& b) { Put32(b, 18, static_cast<uint32_t>(-5)); }},
    {"ZeroWidth", k24, [](auto& b) { Put32(b, 18, 0); }},
    {"ZeroHeight", k24, [](auto& b) { Put32(b, 22, 0); }},
    {"MostNegativeHeight", k24, [](auto& b) { Put32(b, 22, 0x80000000u); }},
    {"StrideOverflow", k24, [](auto& b) { Put32(b, 18, 0x7FFFFFFF); Put16(b, 28, 32); }},
    {"PixelsPastTheEnd", k24, [](auto& b) { b.resize(b.size() - 1); }},
    {"PixelsPastTheEndOfA1BitFile", {.bpp = 1}, [](auto& b) { b.resize(b.size() - 4); }},
    {"OffsetBeyondTheFile", k24, [](auto& b) { Put32(b, 10, static_cast<uint32_t>(b.size() + 10)); }},
    {"OffsetInsideTheHeader", k24, [](auto& b) { Put32(b, 10, 20); }},
    {"PalettePastTheOffset", k8, [](auto& b) { Put32(b, 10, 54 + 100); }},
    {"PalettePastTheFile", k8, [](auto& b) { b.resize(54 + 512); }},
    {"BitfieldsMasksPastTheFile", {.bpp = 16, .compression = kBiBitfields, .masks = {0x7C00, 0x3E0, 0x1F, 0}},
     [](auto& b) { b.resize(60); }},
    {"Jpeg", k24, [](auto& b) { Put32(b, 30, 4); }},
    {"Png", k24, [](auto& b) { Put32(b, 30, 5); }},
    {"UnknownCompression", k24, [](auto& b) { Put32(b, 30, 77); }},
    {"TwoBits", k8, [](auto& b) { Put16(b, 28, 2); }},
    {"SixtyFourBits", k24, [](auto& b) { Put16(b, 28, 64); }},
    {"ZeroBits", k24, [](auto& b) { Put16(b, 28, 0); }},
    {"Rle8AtFourBits", kRle, [](auto& b) { Put16(b, 28, 4); }},
    {"TopDownRle", kRle, [](auto& b) { Put32(b, 22, static_cast<uint32_t>(-3)); }},
    {"GappedMask", kFields, [](auto& b) { Put32(b, 54, 0x0F0F); }},
    {"OverlappingMasks", kFields, [](auto& b) { Put32(b, 58, 0x0FF0); }},
    {"MaskWiderThanThePixel", kFields, [](auto& b) { Put32(b, 54, 0x1F0000); }},
    {"UnknownHeaderSize", k24, [](auto& b) { Put32(b, 14, 80); }},
    {"Os2HuffmanCompression", {.header = BmpHeader::Os2v2, .bpp = 1}, [](auto& b) { Put32(b, 30, 3); }},
    {"OS2v1WithoutPalette", {.header = BmpHeader::Os2v1, .bpp = 8}, [](auto& b) { Put32(b, 10, 26); }},
};

class BadInput : public testing::TestWithParam<BadCase> {};

TEST_P(BadInput, GivesNull) {
  const BadCase& c = GetParam();
  std::vector<uint8_t> bytes = MakeBmp(c.layout).bytes;
  ASSERT_TRUE(Decode(bytes)) << "the undamaged file must decode, or the case proves nothing";
  c.damage(bytes);
  EXPECT_FALSE(Decode(bytes));
}

INSTANTIATE_TEST_SUITE_P(Bmp, BadInput, testing::ValuesIn(kBadCases),
                         [](const auto& info) { return info.param.name; });

TEST(LoadBmpSource, ReadsAnyExtensionAsABitmapAndWritesNothing) {
  ScratchFolder folder;
  const BmpFixture f = MakeBmp({.bpp = 8, .compression = kBiRle8, .width = 9, .height = 4});
  for (const char* name : {"a.bmp", "b.rle", "c.dib", "d.png"}) WriteBytes(folder.File(name), f.bytes);
  for (const char* name : {"a.bmp", "b.rle", "c.dib", "d.png"}) {
    const Bitmap dib = LoadBmpSource(folder.File(name));
    ASSERT_TRUE(dib) << name;
    EXPECT_EQ(CompareImages(ReadPixels(dib.get()), f.expected, f.width), "") << name;
  }
  EXPECT_EQ(ListFolder(folder.Path()), (std::vector<std::string>{"a.bmp", "b.rle", "c.dib", "d.png"}));
}

TEST(LoadBmpSource, NullForMissingEmptyTextOrFolder) {
  ScratchFolder folder;
  WriteBytes(folder.File("empty.bmp"), {});
  WriteBytes(folder.File("text.bmp"), {'B', 'M', ' ', 'i', 's', ' ', 'n', 'o', 't', ' ', 'a', 'n',
                                       ' ', 'i', 'm', 'a', 'g', 'e', '\n'});
  RunCommand("mkdir " + Quote(folder.File("folder.bmp")));
  EXPECT_FALSE(LoadBmpSource(folder.File("missing.bmp")));
  EXPECT_FALSE(LoadBmpSource(folder.File("empty.bmp")));
  EXPECT_FALSE(LoadBmpSource(folder.File("folder.bmp")));
  EXPECT_FALSE(LoadBmpSource(folder.File("text.bmp")));
  EXPECT_EQ(ListFolder(folder.Path()),
            (std::vector<std::string>{"empty.bmp", "folder.bmp", "text.bmp"}));
}

}  // namespace
