#include "engine/save_flags.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <functional>

struct FlagsCase {
  const char* extension;
  std::function<void(Settings&)> options;
  int32_t flags;
};

TEST(SaveFlags, FollowEachFormatsOptions) {
  const FlagsCase cases[] = {
      {"png", [](Settings&) {}, 0x0100},  // defaults: uncompressed
      {"png", [](Settings& s) { s.pngCompression = 2; s.pngInterlaced = 1; }, 0x0206},
      {"png", [](Settings& s) { s.pngCompression = 3; }, 0x0009},
      {"png", [](Settings& s) { s.pngCompression = 4; }, 0},
      {"jpg", [](Settings&) {}, 95 | 0x10000},
      {"jpg", [](Settings& s) { s.jpgQuality = 80; s.jpgChroma = 2; s.jpgSaveAs = 3; }, 80 + 0x4000 + 0x2000},
      {"jpg", [](Settings& s) { s.jpgChroma = 1; s.jpgSaveAs = 1; }, 95 | 0x8000 | 0x40000},
      {"jpg", [](Settings& s) { s.jpgChroma = 3; s.jpgSaveAs = 2; }, 95 | 0x1000 | 0x20000},
      {"jpg", [](Settings& s) { s.jpgChroma = 9; s.jpgSaveAs = -1; }, 95},
      {"tiff", [](Settings& s) { s.tiffCompression = 6; s.tiffColorModel = 1; }, 0x4001},
      {"tiff", [](Settings&) {}, 0x0800},
      {"tiff", [](Settings& s) { s.tiffCompression = 8; s.tiffColorModel = 2; }, 0x10000},
      {"tiff", [](Settings& s) { s.tiffCompression = 9; }, 0},
      {"bmp", [](Settings& s) { s.bmpCompression = 1; }, 1},
      {"bmp", [](Settings& s) { s.bmpCompression = 2; }, 0},
      {"tga", [](Settings& s) { s.tgaCompression = 1; }, 2},
      {"exr", [](Settings&) {}, 0x0002},
      {"exr", [](Settings& s) { s.exrCompression = 4; }, 0x0020},
      {"exr", [](Settings& s) { s.exrCompression = 5; }, 0},
      {"jxr", [](Settings&) {}, 100},
      {"webp", [](Settings&) {}, 0x0100},
      {"gif", [](Settings&) {}, 0},
      {"ppm", [](Settings&) {}, 0},
      {"TIFF", [](Settings&) {}, 0},
  };
  for (const FlagsCase& c : cases) {
    ResetSettings(DefaultSet::Console);
    c.options(settings);
    EXPECT_EQ(SaveFlags(c.extension), c.flags) << c.extension;
  }
}
