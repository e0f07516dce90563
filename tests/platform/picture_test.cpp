// Pictures written by ImageMagick, decoded by us and by ImageMagick itself: both must agree.
#include "engine/bmp_source.h"
#include "platform/picture.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

const std::string kPlasma = "-size 7x5 -seed 4 plasma:fractal";
const std::string kAlpha = " -alpha set -channel A -fx '(i+2*j)/40' +channel";
const std::string kCutOut = " -alpha set -channel A -fx 'i==1?0:1' +channel";

// The project's own BMP reader, which also reads the V4 and V5 headers FreeImage refuses.
FIBITMAP* EngineBmp(const uint8_t* data, size_t size) { return DecodeBmp(data, size).release(); }

struct PictureCase {
  std::string name;
  std::string arguments;  // ImageMagick's, before the output
  std::string output;     // coder and file name
  std::vector<std::pair<size_t, uint8_t>> bytes;  // what the file must hold, so that the case tests what it says
  bool hasAlpha;
  int tolerance = 0;
  BmpDecoder bmp = {};
};

const PictureCase kPictureCases[] = {
    {"Bmp24", kPlasma, "BMP3:p.bmp", {{14, 40}, {28, 24}}, false},
    {"Bmp32Alpha", kPlasma + kAlpha + " -define bmp3:alpha=true", "BMP3:p.bmp", {{14, 40}, {28, 32}}, true},
    {"BmpV5AlphaThroughTheEngine", kPlasma + kAlpha, "BMP:p.bmp", {{14, 124}, {28, 32}}, true, 0, EngineBmp},
    {"PngRgba", kPlasma + kAlpha, "PNG32:p.png", {{24, 8}, {25, 6}}, true},
    {"PngPaletteWithTrns", kPlasma + kCutOut + " -colors 8", "PNG8:p.png", {{24, 8}, {25, 3}}, true},
    {"PngGrey", kPlasma + " -colorspace Gray -depth 8", "PNG:p.png", {{24, 8}, {25, 0}}, false},
    {"PngGreyAlpha", kPlasma + " -colorspace Gray" + kAlpha + " -depth 8", "PNG:p.png", {{24, 8}, {25, 4}}, true},
    // ImageMagick truncates 16 bits to 8 where libpng rounds: 23583 is 91 to it and 92 to us.
    {"Png16Bit", kPlasma + kAlpha + " -depth 16", "PNG64:p.png", {{24, 16}, {25, 6}}, true, 1},
    {"PngNamedBmp", kPlasma, "PNG24:p.bmp", {{0, 0x89}, {25, 2}}, false},
    {"JpegRgb", kPlasma + " -quality 90", "JPG:p.jpg", {{0, 0xff}}, false, 2},
    {"JpegGrey", kPlasma + " -colorspace Gray -quality 90", "JPG:p.jpg", {{0, 0xff}}, false, 2},
    {"JpegCmyk", kPlasma + " -colorspace CMYK -quality 95", "JPG:p.jpg", {{0, 0xff}}, false, 3},
};

class PictureFiles : public testing::TestWithParam<PictureCase> {};

}  // namespace

TEST_P(PictureFiles, DecodeAsImageMagickDoes) {
  const PictureCase& c = GetParam();
  ScratchFolder dir;
  const std::string coder = c.output.substr(0, c.output.find(':') + 1);
  const std::string path = dir.File(c.output.substr(coder.size()));
  const std::string raw = dir.File("witness.rgba");
  std::string output;
  ASSERT_EQ(RunCommand("/usr/bin/convert " + c.arguments + " " + Quote(coder + path), &output), 0) << output;
  const std::vector<uint8_t> file = ReadBytes(path);
  for (const auto& [offset, value] : c.bytes) ASSERT_EQ(file.at(offset), value) << "byte " << offset;
  ASSERT_EQ(RunCommand("/usr/bin/convert " + Quote(path) + " -depth 8 " + Quote("rgba:" + raw), &output), 0) << output;
  const std::vector<uint8_t> witness = ReadBytes(raw);

  const std::optional<Picture> picture = LoadPicture(path, c.bmp);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 7);
  EXPECT_EQ(picture->height, 5);
  EXPECT_EQ(picture->hasAlpha, c.hasAlpha);
  ASSERT_EQ(picture->rgba.size(), witness.size());
  for (size_t i = 0; i < witness.size(); ++i)
    ASSERT_NEAR(picture->rgba[i], witness[i], c.tolerance) << "pixel " << i / 4 << " channel " << i % 4;
}

INSTANTIATE_TEST_SUITE_P(Picture, PictureFiles, testing::ValuesIn(kPictureCases),
                         [](const testing::TestParamInfo<PictureCase>& info) { return info.param.name; });

namespace {

uint32_t Crc32(const uint8_t* data, size_t size) {
  uint32_t crc = 0xffffffff;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? (crc >> 1) ^ 0xedb88320 : crc >> 1;
  }
  return ~crc;
}

void PutBe32(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

// A PNG signature and a well-formed header chunk claiming the given size, and nothing more.
std::vector<uint8_t> PngClaiming(uint32_t width, uint32_t height) {
  std::vector<uint8_t> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  PutBe32(bytes, 13);
  const size_t chunk = bytes.size();
  bytes.insert(bytes.end(), {'I', 'H', 'D', 'R'});
  PutBe32(bytes, width);
  PutBe32(bytes, height);
  bytes.insert(bytes.end(), {8, 6, 0, 0, 0});
  PutBe32(bytes, Crc32(bytes.data() + chunk, bytes.size() - chunk));
  return bytes;
}

std::vector<uint8_t> FirstHalf(std::vector<uint8_t> bytes) {
  bytes.resize(bytes.size() / 2);
  return bytes;
}

}  // namespace

TEST(Picture, DamagedMissingAndForeignFilesGiveNothing) {
  ScratchFolder dir;
  std::string output;
  const std::string png = dir.File("whole.png"), jpeg = dir.File("whole.jpg"), bmp = dir.File("whole.bmp");
  ASSERT_EQ(RunCommand("/usr/bin/convert -size 64x48 -seed 2 plasma:fractal PNG24:" + Quote(png) +
                           " && /usr/bin/convert -size 64x48 -seed 2 plasma:fractal -quality 90 " + Quote(jpeg) +
                           " && /usr/bin/convert -size 64x48 -seed 2 plasma:fractal BMP3:" + Quote(bmp),
                       &output),
            0)
      << output;
  ASSERT_TRUE(LoadPicture(png) && LoadPicture(jpeg) && LoadPicture(bmp));  // whole, they load

  const std::pair<std::string, std::vector<uint8_t>> files[] = {
      {"empty.png", {}},
      {"text.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e', '\n'}},
      {"half.png", FirstHalf(ReadBytes(png))},
      {"half.jpg", FirstHalf(ReadBytes(jpeg))},
      {"half.bmp", FirstHalf(ReadBytes(bmp))},
      {"signature.png", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 1, 2, 3}},
      {"markers.jpg", {0xff, 0xd8, 0xff, 0xe0, 0, 2}},
      {"wide.png", PngClaiming(40000, 8)},
      {"huge.png", PngClaiming(20000, 20000)},
  };
  for (const auto& [name, bytes] : files) {
    WriteBytes(dir.File(name), bytes);
    EXPECT_FALSE(LoadPicture(dir.File(name))) << name;
    EXPECT_FALSE(LoadPicture(dir.File(name), EngineBmp)) << name;
  }
  EXPECT_FALSE(LoadPicture(dir.File("missing.png")));
  EXPECT_FALSE(LoadPicture(dir.Path()));  // a folder
}
