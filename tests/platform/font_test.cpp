#include "platform/font.h"

#include <gtest/gtest.h>

namespace {

struct FontCase {
  std::string name;
  std::string family;  // what it resolves to; empty when it must not load
};

const FontCase kFontCases[] = {
    {"Arial", "Liberation Sans"},
    {"arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"DejaVu Sans", "DejaVu Sans"},
    {"dejavu sans", "DejaVu Sans"},
    {"Liberation Serif", "Liberation Serif"},
    {"Arail", ""},
    {"NoSuchFont", ""},
    {"", ""},
};

}  // namespace

TEST(Font, LoadsInstalledFamiliesAndTheirSubstitutesButNotMisspeltNames) {
  for (const FontCase& c : kFontCases) {
    for (const FontStyle style : {FontStyle{}, FontStyle{.bold = true, .italic = true}}) {
      const std::optional<Font> font = Font::Load(c.name, 12, style);
      if (c.family.empty()) {
        EXPECT_FALSE(font) << c.name << " resolved to " << font->Family();
      } else {
        ASSERT_TRUE(font) << c.name;
        EXPECT_EQ(font->Family(), c.family) << c.name;
      }
    }
  }
}

TEST(Font, PointsBecomePixelsAt96DotsPerInch) {
  const std::optional<Font> font = Font::Load("Arial", 14, {.underline = true});
  ASSERT_TRUE(font);
  EXPECT_NEAR(font->PixelSize(), 18.667, 0.001);
  EXPECT_TRUE(font->Style().underline);
  EXPECT_FALSE(font->Style().strikeout);
  EXPECT_FALSE(Font::Load("Arial", 0));
  EXPECT_FALSE(Font::Load("Arial", -3));
}
