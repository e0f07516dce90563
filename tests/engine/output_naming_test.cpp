#include "engine/output_naming.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <regex>

class OutputNaming : public ::testing::Test {
protected:
  void SetUp() override {
    ResetSettings(DefaultSet::Console);
    ResetJob();
    job.outputFolder = "/out/";
    job.relativeSubfolder = "a/b/";
  }
};

TEST_F(OutputNaming, MaskCases) {
  struct Case {
    const char* mask;
    const char* source;
    const char* extension;
    int sequence;
    const char* name;
  } cases[] = {
      {"%FileName%_%EXT[U]%", "/in/Holiday.bmp", "jpg", 1, "Holiday_JPG"},
      {"Copy of %filename%.%ext%", "/in/Holiday.bmp", "png", 1, "copy of Holiday.png"},
      {"%filename[t]%.%ext[t]%", "/in/hOLIDAY.bmp", "tiff", 1, "Holiday.Tiff"},
      {"", "/in/Holiday.bmp", "png", 1, "Holiday.png"},
      {"IMG_%n%.%ext%", "/in/x.bmp", "png", 1, "img_00001.png"},
      {"%n%", "/in/x.bmp", "png", 1234567, "12345"},
      // A source named like a later token is expanded again.
      {"", "/in/%n%.bmp", "gif", 7, "00007.gif"},
      {"%filename%", "/in/a.b.bmp", "png", 1, "a.b"},
  };
  for (const Case& c : cases) {
    settings.filenameMask = c.mask;
    job.sourcePath = c.source;
    job.outputExtension = c.extension;
    job.sequenceNumber = c.sequence;
    EXPECT_EQ(OutputFileName(), c.name) << c.mask;
  }
}

TEST_F(OutputNaming, RandomNumberAlwaysHasFiveDigits) {
  settings.filenameMask = "%rnd%";
  for (int number : {1, 42, 99999}) {
    job.randomNumber = number;
    const std::string name = OutputFileName();
    EXPECT_TRUE(std::regex_match(name, std::regex("[0-9]{5}"))) << name;
    EXPECT_EQ(std::stoi(name), number);
  }
}

TEST_F(OutputNaming, TargetKeepsTheSubfolderOnlyWhenAsked) {
  job.sourcePath = "/in/a/b/x.bmp";
  job.outputExtension = "png";
  settings.keepSubfolders = 0;
  EXPECT_EQ(TargetPath(), "/out/x.png");
  settings.keepSubfolders = 1;
  EXPECT_EQ(TargetPath(), "/out/a/b/x.png");
  job.relativeSubfolder.clear();
  EXPECT_EQ(TargetPath(), "/out/x.png");
}

TEST_F(OutputNaming, TemporaryNameSpellsTheSecondsInLetters) {
  const std::string name = TemporaryName(1530000000, "dds");
  EXPECT_TRUE(std::regex_match(name, std::regex("vantorelbfdaaaaaaa[a-z]{5}\\.dds"))) << name;
  EXPECT_NE(TemporaryName(1530000000, "dds"), TemporaryName(1530000000, "dds"));  // the letters are drawn

  job.outputExtension = "png";
  const std::string path = TemporaryPath("/out/a/b/x.png");
  EXPECT_TRUE(std::regex_match(path, std::regex("/out/a/b/vantorel[a-j]{10,}[a-z]{5}\\.png"))) << path;
}
