#include "settings/format_tables.h"

#include <gtest/gtest.h>

#include <FreeImage.h>

TEST(FormatTables, OutputFormatsInTheirOrderWithWriters) {
  const auto formats = OutputFormats();
  ASSERT_EQ(formats.size(), 23u);
  std::string order;
  for (const OutputFormat& f : formats) order += std::string(f.extension) + " ";
  EXPECT_EQ(order, "bmp dds exr gif hdr ico j2k jng jp2 jpg jxr pbm pcx pfm pgm png ppm psd tga tiff wbmp webp xpm ");
  EXPECT_EQ(FindOutputFormat("dds")->formatNumber, 0x0437);
  EXPECT_EQ(FindOutputFormat("pcx")->formatNumber, 0x0428);
  EXPECT_EQ(FindOutputFormat("psd")->formatNumber, 0x0439);
  EXPECT_EQ(FindOutputFormat("jxr")->formatNumber, 36);
  EXPECT_EQ(FindOutputFormat("tga")->formatNumber, 17);
  for (const OutputFormat& f : formats)
    EXPECT_EQ(f.writer == Writer::DevIL, std::string("dds pcx psd").find(f.extension) != std::string::npos);
}

TEST(FormatTables, OnlyExactLowerCaseExtensionsAreOutputFormats) {
  EXPECT_NE(FindOutputFormat("tiff"), nullptr);
  EXPECT_EQ(FindOutputFormat("TIFF"), nullptr);
  EXPECT_EQ(FindOutputFormat("Tif"), nullptr);
  EXPECT_EQ(FindOutputFormat("tif"), nullptr);
}

TEST(FormatTables, DepthLists) {
  const OutputFormat& png = *FindOutputFormat("png");
  EXPECT_EQ(DepthValues(png), (std::vector<int>{1, 4, 8, 24, 32, 48}));
  EXPECT_TRUE(DepthIsValid(png, 24));
  EXPECT_FALSE(DepthIsValid(png, 16));
  for (const OutputFormat& f : OutputFormats()) EXPECT_TRUE(DepthIsValid(f, 0)) << f.extension;
  EXPECT_EQ(DepthSettingKey(png), "PNG BPP");
}

TEST(FormatTables, DisplayText) {
  EXPECT_EQ(DisplayText(*FindOutputFormat("jpg"), true), "JPG (JPEG File Format)");
  EXPECT_EQ(DisplayText(*FindOutputFormat("jpg"), false), "JPG");
  EXPECT_EQ(DisplayText(*FindOutputFormat("tiff"), true), "TIFF (Tagged Image File Format)");
}

TEST(FormatTables, AcceptedInputExtensions) {
  RebuildAcceptedInputExtensions();
  EXPECT_EQ(AcceptedInputExtensions(), (std::vector<std::string>{"bmp", "rle", "dib"}));
  EXPECT_TRUE(ExtensionIsAccepted("DIB"));
  EXPECT_TRUE(ExtensionIsAccepted("Rle"));
  EXPECT_FALSE(ExtensionIsAccepted("bmp2"));
  EXPECT_FALSE(ExtensionIsAccepted(""));
  EXPECT_EQ(InputFormats().size(), 1u);
  EXPECT_STREQ(FindKnownExtension("dib")->description, "Windows or OS/2 Bitmap");
}
