#include "settings/colour.h"
#include "settings/settings.h"
#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include <ctime>
#include <set>
#include <string>

TEST(Settings, TableNamesEverySettingOnceWithItsDefault) {
  std::set<std::pair<std::string, std::string>> keys;
  for (const SettingRow& row : SettingRows())
    EXPECT_TRUE(keys.insert({row.section, row.key}).second) << row.section << "/" << row.key;
  EXPECT_EQ(keys.size(), 132u);

  ResetSettings(DefaultSet::Window);
  EXPECT_EQ(settings.cfg, 17);
  EXPECT_EQ(settings.language, "en");
  EXPECT_EQ(settings.outputFormat, "bmp");
  EXPECT_EQ(settings.inputFormat, "bmp");
  EXPECT_EQ(settings.jpgQuality, 95);
  EXPECT_EQ(settings.imageResizeAlgorithm, 3);
  EXPECT_FLOAT_EQ(settings.imageGamma, 1.0f);
  EXPECT_EQ(settings.fontColors, "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF");
  EXPECT_EQ(settings.backColors, settings.fontColors);
  EXPECT_EQ(settings.backOpacity, 1);
  EXPECT_EQ(settings.textPosition, 8);
  EXPECT_EQ(settings.filenameMask, "%filename%.%ext%");
  EXPECT_EQ(settings.outFoldersNumber, 5);
  EXPECT_EQ(settings.width, 510);
  EXPECT_EQ(settings.height, 330);
  EXPECT_NEAR(settings.updateDate, std::time(nullptr), 5);
  EXPECT_NEAR(settings.customTimestamp, std::time(nullptr), 5);
}

TEST(Settings, ConsoleDefaultDiffersOnlyInKeepAspectRatio) {
  ResetSettings(DefaultSet::Window);
  const Settings window = settings;
  ResetSettings(DefaultSet::Console);
  EXPECT_EQ(window.keepAspectRatio, 1);
  EXPECT_EQ(settings.keepAspectRatio, 0);
  for (const SettingRow& row : SettingRows()) {
    if (std::string(row.key) == "Keep Aspect Ratio" || row.rule == DefaultRule::Now) continue;
    Settings console = settings;
    settings = window;
    const int32_t n = SettingInt(row);
    const std::string t = SettingText(row);
    const float f = SettingFloat(row);
    settings = console;
    EXPECT_EQ(SettingInt(row), n) << row.key;
    EXPECT_EQ(SettingText(row), t) << row.key;
    EXPECT_EQ(SettingFloat(row), f) << row.key;
  }
}

TEST(Settings, WindowPositionDefaultsCentreOnTheDesktop) {
  SetDesktopSizeProvider([] { return DesktopSize{1920, 1080}; });
  ResetSettings(DefaultSet::Window);
  EXPECT_EQ(settings.x, (1920 - 510) / 2);
  EXPECT_EQ(settings.y, (1080 - 330) / 2);
  SetDesktopSizeProvider([] { return DesktopSize{500, 330}; });
  ResetSettings(DefaultSet::Window);
  EXPECT_EQ(settings.x, 100);
  EXPECT_EQ(settings.y, 100);
  SetDesktopSizeProvider(nullptr);
}

TEST(Settings, RowsReachTheirFieldsAndKeepTheLowByteOfSmallFields) {
  ResetSettings(DefaultSet::Window);
  const SettingRow* transform = FindSetting("transform", "IMAGE ROTATION");
  const SettingRow* watermark = FindSetting("Watermark", "Image Rotation");
  ASSERT_TRUE(transform && watermark);
  SetSettingInt(*transform, 90);
  SetSettingInt(*watermark, 45);
  EXPECT_EQ(settings.imageRotation, 90);
  EXPECT_EQ(settings.imageWatermarkRotation, 45);

  SetSettingInt(*FindSetting("Watermark", "Text Position"), 300);  // 300 = 0x12C
  EXPECT_EQ(settings.textPosition, 44);
  SetSettingInt(*FindSetting("Advanced", "Out Folders Number"), 200);
  EXPECT_EQ(settings.outFoldersNumber, -56);

  SetSettingText(*FindSetting("Output", "Format"), "png");
  EXPECT_EQ(settings.outputFormat, "png");
  EXPECT_EQ(settings.inputFormat, "bmp");
  EXPECT_EQ(FindSetting("Output", "No Such Key"), nullptr);
}

TEST(Settings, ResetJobStartsAFreshRun) {
  job.sourcePath = "/somewhere/a.bmp";
  job.sequenceNumber = 7;
  job.outputBitDepth = 24;
  job.consoleMode = 1;
  ResetJob();
  EXPECT_EQ(job.sourcePath, "");
  EXPECT_EQ(job.sequenceNumber, 1);
  EXPECT_EQ(job.outputBitDepth, 0);
  EXPECT_EQ(job.consoleMode, 0);
  EXPECT_GE(job.randomNumber, 1);
  EXPECT_LE(job.randomNumber, 99999);
  ASSERT_FALSE(job.programFolder.empty());
  EXPECT_EQ(job.programFolder.back(), '/');
}

TEST(HexToColour, ReadsSixDigitsInEitherCaseAndOtherwiseBlack) {
  struct Case {
    const char* text;
    Colour colour;
  } cases[] = {
      {"FF8000", {255, 128, 0}}, {"ff8000", {255, 128, 0}}, {"0000fF", {0, 0, 255}},
      {"FF800", {0, 0, 0}},      {"FF80000", {0, 0, 0}},    {"", {0, 0, 0}},
      {"1G2HZZ", {1, 2, 0}},  // each pair gives the value of its leading digits
  };
  for (const Case& c : cases) EXPECT_EQ(HexToColour(c.text), c.colour) << c.text;
  EXPECT_EQ(PackColour({0x11, 0x22, 0x33}, 0x80), 0x80332211u);
}
