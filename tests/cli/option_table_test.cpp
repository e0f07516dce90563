#include "cli/command_line.h"
#include "cli/option_cases.h"
#include "cli/option_table.h"
#include "settings/settings.h"
#include "settings/value_keywords.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <ostream>
#include <set>
#include <string>

namespace {

std::map<const SettingRow*, std::string> ConsoleDefaults() {
  ResetSettings(DefaultSet::Console);
  std::map<const SettingRow*, std::string> shown;
  for (const SettingRow& row : SettingRows())
    if (row.rule != DefaultRule::Now) shown[&row] = Shown(row);
  return shown;
}

TEST(OptionTable, EachOptionSetsItsSettingAndNothingElse) {
  const auto defaults = ConsoleDefaults();
  for (const OptionCase& c : OptionCases()) {
    SCOPED_TRACE(c.parameter);
    const CommandLineOutcome outcome = CommandLine({c.parameter}).Apply();
    EXPECT_EQ(outcome.action, CommandLineAction::OpenWindow);
    const SettingRow& target = Row(c.section, c.key);
    EXPECT_EQ(Shown(target), c.expected);
    const SettingRow* switched = c.switchKey ? &Row(c.section, c.switchKey) : nullptr;
    if (switched) {
      EXPECT_EQ(SettingInt(*switched), c.switchValue);
    }
    for (const auto& [row, shown] : defaults) {
      if (row != &target && row != switched) {
        EXPECT_EQ(Shown(*row), shown) << row->key;
      }
    }
  }
}

TEST(OptionTable, EveryCommandLineSettingOptionHasACase) {
  for (const OptionRow& row : OptionRows()) {
    if (row.effect != OptionEffect::Setting || row.scope == OptionScope::ProfileOnly) continue;
    bool found = false;
    for (const OptionCase& c : OptionCases()) {
      const std::string_view parameter = c.parameter;
      found = found || (parameter.starts_with(row.longName) &&
                        (parameter.size() == row.longName.size() || parameter[row.longName.size()] == '='));
    }
    EXPECT_TRUE(found) << row.longName;
  }
}

TEST(OptionTable, NamesAreUniqueAndWordOptionsHaveValueWords) {
  std::set<std::string_view> names;
  for (const OptionRow& row : OptionRows()) {
    EXPECT_TRUE(names.insert(row.longName).second) << row.longName;
    if (!row.shortName.empty()) {
      EXPECT_TRUE(names.insert(row.shortName).second) << row.shortName;
    }
    if (row.form == ValueForm::Word) {
      EXPECT_TRUE(ValueListOf(*row.target).has_value()) << row.longName;
    }
  }
}

TEST(OptionTable, ProfilesAcceptTheAdvancedOptionsWithTheirOwnOpacitySpelling) {
  size_t accepted = 0;
  for (const OptionRow& row : OptionRows()) accepted += FindProfileOption(row.longName) == &row;
  EXPECT_EQ(accepted, 102u);
  EXPECT_EQ(FindProfileOption("--FR-SOLID-OPACITY"), nullptr);
  EXPECT_EQ(FindCommandLineOption("--WM-SOLID-OPACITY"), nullptr);
  ASSERT_NE(FindProfileOption("--WM-SOLID-OPACITY"), nullptr);
  EXPECT_EQ(FindProfileOption("--WM-SOLID-OPACITY")->target, FindCommandLineOption("--FR-SOLID-OPACITY")->target);
  for (const char* name : {"--INPUT", "-I", "--OUTPUT", "--CONVERSION", "--PROFILE", "--DEBUG", "--QUIET", "--PAUSE"})
    EXPECT_EQ(FindProfileOption(name), nullptr) << name;
}

struct IntegerCase {
  const char* text;
  int32_t value;
};

void PrintTo(const IntegerCase& c, std::ostream* out) { *out << "[" << c.text << "]"; }

class LenientIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(LenientIntegerTest, Reads) { EXPECT_EQ(ReadLenientInteger(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Texts, LenientIntegerTest, ::testing::Values(
    IntegerCase{"", 0}, IntegerCase{"abc", 0}, IntegerCase{"50%", 50}, IntegerCase{"$1F", 31},
    IntegerCase{"$1f", 31}, IntegerCase{"%101", 5}, IntegerCase{"-%101", -5}, IntegerCase{" \t 42", 42},
    IntegerCase{"+7", 7}, IntegerCase{"-$10", -16}, IntegerCase{"$", 0}, IntegerCase{"%2", 0},
    IntegerCase{"$G1", 0}, IntegerCase{"12abc", 12}, IntegerCase{"1 2", 1}, IntegerCase{"- 5", 0},
    IntegerCase{"--5", 0}, IntegerCase{"1.9", 1},
    IntegerCase{"99999999999", std::numeric_limits<int32_t>::max()},
    IntegerCase{"-99999999999", std::numeric_limits<int32_t>::min()},
    IntegerCase{"$FFFFFFFFFFFFFFFFFFFF", std::numeric_limits<int32_t>::max()}));

}  // namespace
