#include "settings/value_keywords.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct WordCase {
  ValueList list;
  const char* word;
  int32_t value;
};

void PrintTo(const WordCase& c, std::ostream* out) { *out << static_cast<int>(c.list) << ":" << c.word; }

class ValueOfWordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(ValueOfWordTest, ReadsTheFirstMatchingRowInAnyCase) {
  EXPECT_EQ(ValueOfWord(GetParam().list, GetParam().word), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Words, ValueOfWordTest, ::testing::Values(
    WordCase{ValueList::Chroma, "medium", 2},
    WordCase{ValueList::Chroma, "Medium", 2},
    WordCase{ValueList::Chroma, "MEDIUM", 2},
    WordCase{ValueList::ResizeAlgorithm, "lanczos", 5},
    WordCase{ValueList::ResizeAlgorithm, "sharpest", 0},
    WordCase{ValueList::ResizeAlgorithm, "", 0},
    WordCase{ValueList::Size, "FIXED", 0},
    WordCase{ValueList::Size, "stretched", 0},
    WordCase{ValueList::Compression, "zlib1", 1},
    WordCase{ValueList::Compression, "rle", 1},
    WordCase{ValueList::Compression, "logluv", 8},
    WordCase{ValueList::FontEffect, "STRIKETHROUGHT", 2},
    WordCase{ValueList::FontEffect, "STRIKETHROUGH", 0},
    WordCase{ValueList::RawLoad, "48hs", 4},
    WordCase{ValueList::RawLoad, "48", 5},
    WordCase{ValueList::Position, "bottomRight", 8},
    WordCase{ValueList::Timestamp, "custom", 2},
    // Surrounding blanks belong to the caller: the lookup compares the word as given.
    WordCase{ValueList::Chroma, " high", 0}));

struct ValueCase {
  ValueList list;
  int32_t value;
  const char* word;
};

void PrintTo(const ValueCase& c, std::ostream* out) { *out << static_cast<int>(c.list) << ":" << c.value; }

class WordOfValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(WordOfValueTest, PrintsTheFirstRowsWordInLowerCase) {
  EXPECT_EQ(WordOfValue(GetParam().list, GetParam().value), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(Values, WordOfValueTest, ::testing::Values(
    ValueCase{ValueList::Size, 0, "fixed"},
    ValueCase{ValueList::Size, 1, ""},
    ValueCase{ValueList::Compression, 9, ""},
    ValueCase{ValueList::Compression, -1, ""},
    ValueCase{ValueList::Frame, 1, "solid"},
    ValueCase{ValueList::Watermark, 2, "image"},
    ValueCase{ValueList::FontStyle, 3, "bolditalic"},
    ValueCase{ValueList::Chroma, 2, "medium"}));

TEST(ValueKeywords, CompressionPrintsTheSameWordForEveryFormatAndReadsItBack) {
  const char* const words[] = {"none", "rle", "piz", "pxr24", "b44", "adobedeflate", "lzw", "jpeg", "logluv"};
  for (int32_t value = 0; value <= 8; ++value) {
    EXPECT_EQ(WordOfValue(ValueList::Compression, value), words[value]);
    EXPECT_EQ(ValueOfWord(ValueList::Compression, words[value]), value);
  }
}

TEST(ValueKeywords, SettingsFindTheirLists) {
  EXPECT_EQ(ValueListOf(&Settings::pngCompression), ValueList::Compression);
  EXPECT_EQ(ValueListOf(&Settings::tiffCompression), ValueList::Compression);
  EXPECT_EQ(ValueListOf(&Settings::jpgChroma), ValueList::Chroma);
  EXPECT_EQ(ValueListOf(&Settings::imageHeightUnit), ValueList::Unit);
  EXPECT_EQ(ValueListOf(&Settings::imagePosition), ValueList::Position);
  EXPECT_EQ(ValueListOf(&Settings::doWatermark), ValueList::Watermark);
  EXPECT_EQ(ValueListOf(&Settings::imageSize), ValueList::Size);
  EXPECT_EQ(ValueListOf(&Settings::jpgQuality), std::nullopt);
  EXPECT_EQ(ValueListOf(&Settings::text), std::nullopt);
}

TEST(ValueKeywords, EveryWordIsUpperCaseAndEveryListHasRows) {
  for (int list = 0; list <= static_cast<int>(ValueList::Timestamp); ++list) {
    const auto rows = ValueKeywords(static_cast<ValueList>(list));
    EXPECT_FALSE(rows.empty()) << list;
    for (const ValueKeyword& row : rows)
      EXPECT_EQ(row.word.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string_view::npos) << row.word;
  }
}

}  // namespace
