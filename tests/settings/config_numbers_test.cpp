#include "settings/config_numbers.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cmath>
#include <limits>

TEST(ConfigNumbers, IntegersAreTheDigitsAtTheStart) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"12pt", 12},          {"big", 0},           {"", 0},
      {" \t-42", -42},       {"+7", 7},            {"- 7", 0},
      {"0x1F", 0},           {"$FF", 0},           {"3.9", 3},
      {"2147483647", 2147483647},                  {"-2147483648", -2147483647 - 1},
      {"2147483648", 2147483647},                  {"-99999999999999999999999", -2147483647 - 1},
      {"184467440737095516161234", 2147483647},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadConfigInteger(c.text), c.value) << c.text;
}

TEST(ConfigNumbers, TheFloatReadsDecimalsAndItsThreeWords) {
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    const char* text;
    float value;
  } cases[] = {
      {"1.5", 1.5f}, {" 0.25x", 0.25f}, {"-2e1", -20.0f}, {".5", 0.5f}, {"3.", 3.0f}, {"1e", 1.0f},
      {"abc", 0.0f}, {"", 0.0f},         {"1e39", inf},   {"-1e400", -inf}, {"1e-400", 0.0f},
      {"+Infinity", inf}, {"-INFINITY", -inf}, {"Infinity", 0.0f}, {"inf", 0.0f}, {"0x10", 0.0f},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadConfigFloat(c.text), c.value) << c.text;
  EXPECT_TRUE(std::isnan(ReadConfigFloat("nan")));
  EXPECT_TRUE(std::isnan(ReadConfigFloat("NaN")));
}

// Option values must be a number as a whole: what follows one makes it unreadable.
TEST(ConfigNumbers, AWholeFloatRefusesTrailingText) {
  const struct {
    const char* text;
    float value;
  } cases[] = {
      {" 1.5\t", 1.5f}, {"1,5", 0.0f}, {"0.25x", 0.0f}, {"1e", 0.0f}, {"2e1", 20.0f},
      {"-Infinity", -std::numeric_limits<float>::infinity()}, {"abc", 0.0f},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadWholeFloat(c.text), c.value) << c.text;
  EXPECT_TRUE(std::isnan(ReadWholeFloat("nan")));
}

TEST(ConfigNumbers, TheFloatIsWrittenWithSixDecimals) {
  EXPECT_EQ(WriteConfigFloat(1.5f), "1.500000");
  EXPECT_EQ(WriteConfigFloat(-0.01f), "-0.010000");
  EXPECT_EQ(WriteConfigFloat(std::numeric_limits<float>::infinity()), "+Infinity");
  EXPECT_EQ(WriteConfigFloat(-std::numeric_limits<float>::infinity()), "-Infinity");
  EXPECT_EQ(WriteConfigFloat(std::numeric_limits<float>::quiet_NaN()), "NaN");
}

// The window toolkit switches the process to the user's locale; one with a decimal comma must not
// leak into the file in either direction.
TEST(ConfigNumbers, ADecimalCommaLocaleChangesNothing) {
  ScratchFolder locales;
  if (RunCommand("localedef -i de_DE -f UTF-8 " + Quote(locales.File("de_DE.UTF-8"))) > 1)
    GTEST_SKIP() << "cannot build a German locale here";
  setenv("LOCPATH", locales.Path().c_str(), 1);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(WriteConfigFloat(1.5f), "1.500000");
  EXPECT_EQ(ReadConfigFloat("2.75"), 2.75f);
  std::setlocale(LC_ALL, "C");
  unsetenv("LOCPATH");
}
