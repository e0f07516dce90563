#include "engine/tokens.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <ctime>

class Tokens : public ::testing::Test {
protected:
  void SetUp() override {
    ResetJob();
    job.sourcePath = "/photos/hOLIDAY.bmp";
    job.outputExtension = "tiff";
    job.outputBitDepth = 24;
    job.width = 640;
    job.height = 480;
    job.randomNumber = 42;
    job.sequenceNumber = 123456;
  }
};

TEST_F(Tokens, EachTokenInAnyCase) {
  const std::pair<const char*, const char*> cases[] = {
      {"%filename%", "hOLIDAY"},   {"%FileName[U]%", "HOLIDAY"}, {"%filename[l]%", "holiday"},
      {"%filename[t]%", "Holiday"}, {"%EXT%", "tiff"},           {"%ext[u]%", "TIFF"},
      {"%Ext[T]%", "Tiff"},         {"%bpp%", "24"},             {"%width%x%height%", "640x480"},
      {"%rnd%", "00042"},           {"%n%", "12345"},            {"no tokens", "no tokens"},
      {"50% off", "50% off"},
  };
  for (const auto& [text, expanded] : cases) EXPECT_EQ(ExpandTokens(text), expanded) << text;
}

TEST_F(Tokens, DateAndTimeAreTheLocalClock) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char expected[32];
  std::strftime(expected, sizeof expected, "%Y-%m-%d", &local);
  EXPECT_EQ(ExpandTokens("%yyyy%-%mm%-%dd%"), expected);
  EXPECT_EQ(ExpandTokens("%hh%:%ii%:%ss%").size(), 8u);
}

TEST_F(Tokens, AValueHoldingALaterTokenIsExpandedAgain) {
  job.sourcePath = "/in/%n%.bmp";
  job.sequenceNumber = 1;
  EXPECT_EQ(ExpandTokens("%filename%.%ext%"), "00001.tiff");
}

TEST_F(Tokens, BaseNames) {
  EXPECT_EQ(SourceBaseName("/x/a.b.bmp"), "a.b");
  EXPECT_EQ(SourceBaseName("/x.y/noext"), "noext");
  EXPECT_EQ(SourceBaseName("plain.dib"), "plain");
  EXPECT_EQ(ExpandToken("A%X%b%x%", "%x%", "1"), "A1b1");
}
