#include "engine/output_job.h"
#include "engine/pipeline.h"
#include "settings/format_tables.h"
#include "settings/settings.h"
#include "settings/settings_table.h"
#include "support/conversion.h"
#include "support/images.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <map>
#include <regex>

namespace {

using PipelineTest = ConversionTest;

// What an independent decoder sees in `path`: "WIDTHxHEIGHT", empty when it cannot read the file.
std::string DecodedSize(const std::string& path, const std::string& extension, const ScratchFolder& dir) {
  std::string out;
  if (extension == "exr") {
    if (RunCommand("exrheader " + Quote(path), &out) != 0) return "";
    std::smatch m;
    if (!std::regex_search(out, m, std::regex(R"(dataWindow \(type box2i\): \((\d+) (\d+)\) - \((\d+) (\d+)\))")))
      return "";
    return std::to_string(std::stoi(m[3]) - std::stoi(m[1]) + 1) + "x" +
           std::to_string(std::stoi(m[4]) - std::stoi(m[2]) + 1);
  }
  if (extension == "jxr") {
    // ImageMagick cannot read the 5-bit-per-channel TIFF that JxrDecApp makes of 16-bit pixels, and
    // BMP cannot hold floats: try both.
    for (const char* decodedType : {".tif", ".bmp"}) {
      const std::string decoded = dir.File(std::string("decoded-jxr") + decodedType);
      std::remove(decoded.c_str());
      if (RunCommand("JxrDecApp -i " + Quote(path) + " -o " + Quote(decoded), &out) != 0) continue;
      if (const std::string size = IdentifySize(decoded); !size.empty()) return size;
    }
    return "";
  }
  if (extension == "j2k" || extension == "jp2") {
    const std::string decoded = dir.File("decoded-j2k.png");
    std::remove(decoded.c_str());
    if (RunCommand("opj_decompress -i " + Quote(path) + " -o " + Quote(decoded), &out) != 0) return "";
    return IdentifySize(decoded);
  }
  static const std::map<std::string, std::string> coder = {
      {"dds", "DDS"}, {"hdr", "HDR"}, {"pfm", "PFM"}, {"wbmp", "WBMP"}, {"tga", "TGA"},
      {"ico", "ICO"}, {"jng", "JNG"}, {"pcx", "PCX"}, {"psd", "PSD"},   {"xpm", "XPM"}};
  const auto it = coder.find(extension);
  return IdentifySize(path, it == coder.end() ? "" : it->second);
}

}  // namespace

// Every format at automatic depth and at each depth of its list, from 24-, 8- and 32-bit sources;
// each output must open in another program's decoder with the source's size. A small oblong image
// and a square one take both the libraries' writers and our own (icons, JPEG 2000).
TEST_F(PipelineTest, EveryFormatAtEveryDepthOpensElsewhere) {
  for (const auto& [width, height] : {std::pair{24u, 16u}, std::pair{40u, 40u}}) {
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    for (unsigned sourceDepth : {24u, 8u, 32u}) {
      const std::string source = dir.File("source" + std::to_string(sourceDepth) + ".bmp");
      SaveBmp(MakeAtDepth(width, height, sourceDepth), source);
      for (const OutputFormat& format : OutputFormats()) {
        std::vector<int> depths = DepthValues(format);
        depths.insert(depths.begin(), 0);
        for (int depth : depths) {
          const std::string label = size + " " + std::to_string(sourceDepth) + "-bit to " + format.extension +
                                    " at " + std::to_string(depth);
          const std::string target = dir.File("out." + std::string(format.extension));
          EXPECT_TRUE(Convert(source, format.extension, depth, target)) << label;
          EXPECT_EQ(DecodedSize(target, format.extension, dir), size) << label;
          std::remove(target.c_str());
        }
      }
    }
  }
}

// Lossless formats keep every pixel of a 24-bit source, as another decoder reads them.
TEST_F(PipelineTest, LosslessFormatsKeepThePixels) {
  const std::string source = dir.File("source.bmp");
  SaveBmp(MakeColourful(13, 7), source);
  for (const char* extension : {"bmp", "png", "tiff", "tga", "ppm", "webp", "pcx", "psd", "jxr"}) {
    const std::string target = dir.File(std::string("out.") + extension);
    ASSERT_TRUE(Convert(source, extension, 24, target)) << extension;
    std::string decoded = target;
    if (std::string(extension) == "jxr") {
      decoded = dir.File("jxr-decoded.bmp");
      ASSERT_EQ(RunCommand("JxrDecApp -i " + Quote(target) + " -o " + Quote(decoded)), 0);
    }
    // Targa files keep their row order in an orientation field that ImageMagick only applies when asked.
    const std::string prefix = std::string(extension) == "tga" ? "TGA:" : "";
    const std::string png = dir.File("decoded.png");
    ASSERT_EQ(RunCommand("/usr/bin/convert " + Quote(prefix + decoded) + " -auto-orient " + Quote(png)), 0) << extension;
    std::string out;
    RunCommand("/usr/bin/compare -metric AE " + Quote(source) + " " + Quote(png) + " null:", &out);
    EXPECT_EQ(out, "0") << extension;
  }
}

TEST_F(PipelineTest, IconsAreStretchedOnlyWhenLargerThan128) {
  struct Case {
    unsigned width, height;
    const char* size;
  } cases[] = {{300, 100, "128x128"}, {128, 40, "128x40"}, {128, 128, "128x128"}, {10, 200, "128x128"}};
  for (const Case& c : cases) {
    const std::string source = dir.File("icon-source.bmp");
    SaveBmp(MakeColourful(c.width, c.height), source);
    ASSERT_TRUE(Convert(source, "ico", 0, dir.File("out.ico")));
    EXPECT_EQ(IdentifySize(dir.File("out.ico"), "ICO"), c.size);
    EXPECT_EQ(job.width, std::stoi(c.size));
  }
}

TEST_F(PipelineTest, DdsCarriesMipmapsWhilePsdAndPcxHoldOneImage) {
  const std::string source = dir.File("source.bmp");
  SaveBmp(MakeColourful(24, 16), source);
  ASSERT_TRUE(Convert(source, "dds", 0, dir.File("out.dds")));
  const auto dds = ReadBytes(dir.File("out.dds"));
  ASSERT_GE(dds.size(), 128u);
  EXPECT_EQ(std::string(dds.begin(), dds.begin() + 4), "DDS ");
  EXPECT_EQ(dds[28], 5);  // 24 × 16 down to 1 × 1
  for (const char* extension : {"psd", "pcx"}) {
    const std::string target = dir.File(std::string("out.") + extension);
    ASSERT_TRUE(Convert(source, extension, 0, target));
    std::string out;
    RunCommand("/usr/bin/identify " + Quote(target) + " | wc -l", &out);
    EXPECT_EQ(out, "1\n") << extension;
  }
}

TEST_F(PipelineTest, ReadOnlyTargetsAreReplaced) {
  const std::string source = dir.File("source.bmp");
  SaveBmp(MakeColourful(24, 16), source);
  for (const char* extension : {"dds", "psd", "pcx", "png"}) {
    const std::string target = dir.File(std::string("old.") + extension);
    WriteBytes(target, {'o', 'l', 'd'});
    chmod(target.c_str(), 0444);
    ASSERT_TRUE(Convert(source, extension, 0, target)) << extension;
    EXPECT_GT(ReadBytes(target).size(), 3u) << extension;
  }
}

TEST_F(PipelineTest, EightBitBmpTakesTheExactWriterOnlyWhenAsked) {
  const std::string source = dir.File("source.bmp");
  Bitmap twoColours(FreeImage_Allocate(16, 8, 8));
  FreeImage_GetPalette(twoColours.get())[1].rgbRed = 200;
  for (unsigned x = 0; x < 16; x += 3) {
    BYTE one = 1;
    FreeImage_SetPixelIndex(twoColours.get(), x, x % 8, &one);
  }
  SaveBmp(twoColours, source);
  auto coloursUsed = [&](const std::string& path) {
    const auto b = ReadBytes(path);
    return b.size() > 50 ? b[46] | b[47] << 8 : -1;
  };
  ASSERT_TRUE(Convert(source, "bmp", 8, dir.File("auto.bmp")));
  EXPECT_EQ(coloursUsed(dir.File("auto.bmp")), 256);
  settings.bmpColorTable = 1;
  ASSERT_TRUE(Convert(source, "bmp", 8, dir.File("exact.bmp")));
  EXPECT_EQ(coloursUsed(dir.File("exact.bmp")), 2);
  EXPECT_EQ(IdentifySize(dir.File("exact.bmp")), "16x8");
}

TEST_F(PipelineTest, AFailedConversionWritesNothingAndKeepsTheOldFile) {
  const std::string notBmp = dir.File("fake.bmp");
  WriteBytes(notBmp, std::vector<uint8_t>(200, 'x'));
  EXPECT_FALSE(Convert(notBmp, "png", 0, dir.File("fake.png")));
  EXPECT_FALSE(FileExists(dir.File("fake.png")));

  // A depth no conversion produces fails the file; the source at the target's path is untouched.
  const std::string source = dir.File("same.bmp");
  SaveBmp(MakeColourful(8, 8), source);
  const auto before = ReadBytes(source);
  EXPECT_FALSE(Convert(source, "bmp", 12, source));
  EXPECT_EQ(ReadBytes(source), before);
  EXPECT_EQ(ListFolder(dir.Path()), (std::vector<std::string>{"fake.bmp", "same.bmp"}));

  // Converting a file onto itself works: the source is read whole before anything is written.
  EXPECT_TRUE(Convert(source, "bmp", 8, source));
  EXPECT_EQ(IdentifySize(source), "8x8");
}

// JPEG 2000 of any size: small images, which FreeImage's writer refuses, go through OpenJPEG with
// fewer resolution levels; a mix-up of rows or channels would show as a large error.
TEST_F(PipelineTest, Jpeg2000OfAnySize) {
  struct Case {
    unsigned width, height;
  } cases[] = {{1, 1}, {5, 3}, {31, 40}, {64, 32}};
  for (const Case& c : cases) {
    const std::string size = std::to_string(c.width) + "x" + std::to_string(c.height);
    const std::string source = dir.File("j2k-source.bmp");
    // Smooth ramps survive the lossy 16:1 rate (errors up to about 0.11 on the tiniest JP2 files,
    // whose boxes eat into the byte budget), while flipped rows or swapped channels give 0.3 and more.
    Bitmap ramps(FreeImage_Allocate(static_cast<int>(c.width), static_cast<int>(c.height), 24));
    for (unsigned y = 0; y < c.height; ++y)
      for (unsigned x = 0; x < c.width; ++x) {
        RGBQUAD q{};
        q.rgbRed = static_cast<BYTE>(c.width > 1 ? x * 255 / (c.width - 1) : 200);
        q.rgbGreen = static_cast<BYTE>(c.height > 1 ? y * 255 / (c.height - 1) : 30);
        q.rgbBlue = 90;
        FreeImage_SetPixelColor(ramps.get(), x, y, &q);
      }
    SaveBmp(ramps, source);
    for (const char* extension : {"j2k", "jp2"}) {
      const std::string target = dir.File(std::string("out.") + extension);
      ASSERT_TRUE(Convert(source, extension, 0, target)) << size << extension;
      const std::string decoded = dir.File("decoded.png");
      ASSERT_EQ(RunCommand("opj_decompress -i " + Quote(target) + " -o " + Quote(decoded)), 0) << size << extension;
      EXPECT_EQ(IdentifySize(decoded), size) << extension;
      std::string error;
      RunCommand("/usr/bin/compare -metric RMSE " + Quote(source) + " " + Quote(decoded) +
                     " null: 2>&1 | sed 's/.*(\\(.*\\))/\\1/'", &error);
      EXPECT_LT(std::stod(error), 0.15) << size << extension;
    }
  }
}

// FreeImage leaves the uncompressed sizes in the header of a run-length-encoded BMP, which
// ImageMagick rejects; ours carry the real sizes and decode to the same pixels as the plain file.
TEST_F(PipelineTest, RunLengthEncodedBmpIsReadableElsewhere) {
  const std::string source = dir.File("source.bmp");
  SaveBmp(MakeColourful(40, 30), source);
  ASSERT_TRUE(Convert(source, "bmp", 8, dir.File("plain.bmp")));
  settings.bmpCompression = 1;
  for (int exact : {0, 1}) {
    settings.bmpColorTable = exact;
    const std::string rle = dir.File("rle" + std::to_string(exact) + ".bmp");
    ASSERT_TRUE(Convert(source, "bmp", 8, rle));
    const auto bytes = ReadBytes(rle);
    ASSERT_GT(bytes.size(), 54u);
    const auto le32 = [&](size_t at) { return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24; };
    EXPECT_EQ(le32(30), 1);                                   // BI_RLE8
    EXPECT_EQ(static_cast<size_t>(le32(2)), bytes.size());    // file size
    EXPECT_EQ(static_cast<size_t>(le32(34)), bytes.size() - le32(10));  // image size
    std::string out;
    RunCommand("/usr/bin/compare -metric AE " + Quote(dir.File("plain.bmp")) + " " + Quote(rle) + " null:", &out);
    EXPECT_EQ(out, "0") << "exact colour table " << exact;
  }
}

// The stages run in the pipeline in their order: the size after rotation and resizing is what the
// job records, and greyscale plus threshold still save a 24-bit source at 24 bits.
TEST_F(PipelineTest, StagesRunInOrderAndTheSourceDepthStillChoosesTheOutputDepth) {
  const std::string source = dir.File("source.bmp");
  SaveBmp(MakeColourful(40, 20), source);
  settings.doImageRotation = 1;
  settings.imageRotation = 90;
  settings.doImageResize = 1;
  settings.imageWidth = 50;
  settings.imageWidthUnit = 1;
  settings.imageHeight = 50;
  settings.imageHeightUnit = 1;
  settings.doImageGreyscale = 1;
  settings.doImageThreshold = 1;
  settings.imageThreshold = 128;
  ASSERT_TRUE(Convert(source, "png", 0, dir.File("out.png")));
  EXPECT_EQ(job.width, 10);
  EXPECT_EQ(job.height, 20);
  std::string out;
  RunCommand("/usr/bin/identify -format '%wx%h %[channels] %z %k' " + Quote(dir.File("out.png")), &out);
  EXPECT_EQ(out.substr(0, 6), "10x20 ");
  EXPECT_NE(out.find(" 8 2"), std::string::npos) << out;  // 8 bits per channel, two colours
  EXPECT_EQ(job.outputBitDepth, 24);
}
