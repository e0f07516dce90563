#include "cli/command_line.h"
#include "cli/option_cases.h"
#include "cli/profile.h"
#include "settings/config_numbers.h"
#include "settings/settings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ProfileTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetSettings(DefaultSet::Console);
    ResetJob();
  }
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = dir.File(name);
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
    return path;
  }
  ScratchFolder dir;
};

// Something other than the expected value, so that a key that reaches no setting shows.
void StoreOtherThan(const SettingRow& row, const std::string& expected) {
  switch (row.kind) {
    case SettingKind::Byte:
    case SettingKind::Int: SetSettingInt(row, ReadConfigInteger(expected) + 1); break;
    case SettingKind::Float: SetSettingFloat(row, 7.5f); break;
    case SettingKind::Text:
    case SettingKind::Colour: SetSettingText(row, expected + "?"); break;
  }
}

TEST_F(ProfileTest, EachKeyActsAsItsOption) {
  for (const OptionCase& c : OptionCases()) {
    std::string line = c.parameter;
    if (line.starts_with("--FR-SOLID-OPACITY")) line.replace(2, 2, "WM");
    SCOPED_TRACE(line);
    const SettingRow& target = Row(c.section, c.key);
    StoreOtherThan(target, c.expected);
    if (c.switchKey) SetSettingInt(Row(c.section, c.switchKey), 0);
    ASSERT_TRUE(ReadProfile(Write("case.ini", "[CLI]\r\n" + line + "\r\n")));
    EXPECT_EQ(Shown(target), c.expected);
    if (c.switchKey) {
      EXPECT_EQ(SettingInt(Row(c.section, c.switchKey)), c.switchValue);
    }
  }
}

TEST_F(ProfileTest, GroupAndKeysInAnyCaseOtherGroupsIgnored) {
  const std::string path = Write("p.ini",
                                 "; settings for the web\n[Other]\n--jpg-quality=10\n"
                                 "[cli]\n  --Jpg-Quality = 60 \n--wm-text =  Hello world \t\n"
                                 "--filename-mask = \" %filename% copy.%ext%\" \n--unknown=1\n"
                                 "--input=elsewhere.bmp\n--profile=other.ini\n--fr-solid-opacity=3\n"
                                 "--wm-solid-opacity=4\n--invert=0\n--width=\n--jpg-quality=70\n");
  ASSERT_TRUE(ReadProfile(path));
  EXPECT_EQ(settings.jpgQuality, 70);
  EXPECT_EQ(settings.text, "Hello world");
  EXPECT_EQ(settings.doWatermark, 1);
  EXPECT_EQ(settings.filenameMask, " %filename% copy.%ext%");
  EXPECT_EQ(settings.solidOpacity, 4);
  EXPECT_EQ(settings.imageInvert, 1);
  EXPECT_EQ(settings.doImageColorCorrection, 1);
  EXPECT_EQ(settings.doImageResize, 1);
  EXPECT_EQ(settings.imageWidth, 0);
  EXPECT_EQ(job.inputRoot, "");
}

TEST_F(ProfileTest, FilesThatChangeNothingAreStillProfiles) {
  const Settings before = settings;
  for (const char* text : {"", "\xEF\xBB\xBF", "[General]\n--jpg-quality=5\n", "[CLI]\n", "--jpg-quality=5\n"}) {
    EXPECT_TRUE(ReadProfile(Write("empty.ini", text))) << text;
    EXPECT_EQ(settings.jpgQuality, before.jpgQuality) << text;
  }
}

TEST_F(ProfileTest, UnreadableProfilesAreRefused) {
  EXPECT_FALSE(ReadProfile(""));
  EXPECT_FALSE(ReadProfile(dir.File("missing.ini")));
  EXPECT_FALSE(ReadProfile(dir.Path()));
  const CommandLineOutcome outcome =
      CommandLine({"--width=5", "--profile=" + dir.File("missing.ini"), "-i", "a.bmp"}).Apply();
  EXPECT_EQ(outcome.action, CommandLineAction::ReportError);
  EXPECT_EQ(outcome.errorLine, "Error: Invalid profile file");
  EXPECT_EQ(settings.imageWidth, 5);
  EXPECT_EQ(job.consoleMode, 0);
}

TEST_F(ProfileTest, AppliedWhereItStandsOnTheCommandLine) {
  const std::string profile = "--profile=" + Write("q.ini", "[CLI]\n--jpg-quality=50\n--jpg-chroma=high\n");
  const std::string later = "--profile=" + Write("r.ini", "[CLI]\n--jpg-quality=30\n");

  CommandLine({"-i", "a.bmp", "--jpg-quality=80", profile}).Apply();
  EXPECT_EQ(settings.jpgQuality, 50);
  EXPECT_EQ(settings.jpgChroma, 3);

  CommandLine({"-i", "a.bmp", profile, "--jpg-quality=80", "--jpg-chroma=low"}).Apply();
  EXPECT_EQ(settings.jpgQuality, 80);
  EXPECT_EQ(settings.jpgChroma, 1);

  CommandLine({"-i", "a.bmp", profile, later}).Apply();
  EXPECT_EQ(settings.jpgQuality, 30);
  EXPECT_EQ(settings.jpgChroma, 3);
}

}  // namespace
