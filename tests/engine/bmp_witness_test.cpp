// Bitmaps written by ImageMagick, decoded by us and by ImageMagick itself: both must agree.
#include "engine/bmp_pixels.h"
#include "engine/bmp_source.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct WitnessCase {
  std::string name;
  std::string source;   // ImageMagick arguments that make the picture
  std::string options;  // and write it as a bitmap
  std::string coder;    // bmp, bmp2 or bmp3
  unsigned headerSize;  // what ImageMagick writes, so that the case tests what it says
  unsigned depth;       // FreeImage depth we hand on
  // Bits per channel (r, g, b, a) worth comparing: ImageMagick widens narrow channels by shifting
  // (4 bits: 15 → 240, 1 bit: 1 → 128) where we and FreeImage scale to the full range.
  std::array<int, 4> bits{8, 8, 8, 8};
};

const std::string kPlasma = "-size 7x5 -seed 4 plasma:fractal";
const std::string kWidePlasma = "-size 33x9 -seed 7 plasma:fractal";
const std::string kAlpha = " -alpha set -channel A -fx '(i+2*j)/40' +channel";

const WitnessCase kWitnessCases[] = {
    {"Bmp3_24", kPlasma, "", "bmp3", 40, 24},
    {"Bmp3_24_Wide", kWidePlasma, "", "bmp3", 40, 24},
    {"Bmp3_32Alpha", kWidePlasma + kAlpha, "-define bmp3:alpha=true", "bmp3", 40, 32},
    {"Bmp3_Palette4", kPlasma, "-colors 10 -type palette", "bmp3", 40, 4},
    {"Bmp3_Palette8", kWidePlasma, "-colors 200 -type palette", "bmp3", 40, 8},
    {"Bmp3_Mono", kWidePlasma, "-type bilevel", "bmp3", 40, 1},
    {"Bmp3_Rle8", kWidePlasma, "-colors 40 -compress RLE", "bmp3", 40, 8},
    {"Bmp3_Rle8_FewColors", kPlasma, "-colors 5 -compress RLE", "bmp3", 40, 8},
    {"Bmp2_24", kPlasma, "", "bmp2", 12, 24},
    {"Bmp2_Palette4", kPlasma, "-colors 6 -type palette", "bmp2", 12, 4},
    {"V5_24", kWidePlasma, "", "bmp", 124, 24},
    {"V5_32Alpha", kPlasma + kAlpha, "", "bmp", 124, 32},
    {"V5_Rle8", kWidePlasma, "-colors 12 -compress RLE", "bmp", 124, 8},
    {"V5_565", kWidePlasma, "-define bmp:subtype=RGB565", "bmp", 124, 16, {5, 6, 5, 8}},
    {"V5_555", kPlasma, "-define bmp:subtype=RGB555", "bmp", 124, 16, {5, 5, 5, 8}},
    {"V5_4444", kPlasma + kAlpha, "-define bmp:subtype=ARGB4444", "bmp", 124, 32, {4, 4, 4, 4}},
    {"V5_1555", kWidePlasma + kAlpha, "-define bmp:subtype=ARGB1555", "bmp", 124, 32, {5, 5, 5, 1}},
};

std::vector<Rgba> Significant(std::vector<Rgba> pixels, const std::array<int, 4>& bits) {
  for (Rgba& p : pixels) {
    p.r >>= 8 - bits[0];
    p.g >>= 8 - bits[1];
    p.b >>= 8 - bits[2];
    p.a >>= 8 - bits[3];
  }
  return pixels;
}

// ImageMagick's own reading of a file, as RGBA top row first.
std::vector<Rgba> WitnessPixels(const std::string& path, const std::string& coder) {
  std::string out;
  if (RunCommand("/usr/bin/convert " + Quote(coder + ":" + path) + " -depth 8 rgba:-", &out) != 0)
    return {};
  std::vector<Rgba> pixels;
  for (size_t i = 0; i + 4 <= out.size(); i += 4)
    pixels.push_back({static_cast<uint8_t>(out[i]), static_cast<uint8_t>(out[i + 1]),
                      static_cast<uint8_t>(out[i + 2]), static_cast<uint8_t>(out[i + 3])});
  return pixels;
}

class ImageMagickWitness : public testing::TestWithParam<WitnessCase> {};

TEST_P(ImageMagickWitness, DecodesAsImageMagickDoes) {
  const WitnessCase& c = GetParam();
  ScratchFolder folder;
  const std::string path = folder.File("image.bmp");
  std::string log;
  ASSERT_EQ(RunCommand("/usr/bin/convert " + c.source + " " + c.options + " " +
                           Quote(c.coder + ":" + path), &log), 0) << log;
  const std::vector<uint8_t> bytes = ReadBytes(path);
  ASSERT_GT(bytes.size(), 18u);
  ASSERT_EQ(bytes[14] | bytes[15] << 8, static_cast<int>(c.headerSize)) << "ImageMagick changed";

  const Bitmap dib = DecodeBmp(bytes.data(), bytes.size());
  ASSERT_TRUE(dib);
  EXPECT_EQ(BitmapDepth(dib), c.depth);
  const std::vector<Rgba> witness = WitnessPixels(path, c.coder);
  ASSERT_EQ(witness.size(), size_t{BitmapWidth(dib)} * BitmapHeight(dib));
  EXPECT_EQ(CompareImages(Significant(ReadPixels(dib.get()), c.bits), Significant(witness, c.bits),
                          BitmapWidth(dib)), "");
}

INSTANTIATE_TEST_SUITE_P(Bmp, ImageMagickWitness, testing::ValuesIn(kWitnessCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
