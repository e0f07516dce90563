#include "texts/language_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct Lookup {
  const char* group;
  const char* key;
  const char* text;
};

class LangTextTest : public ::testing::TestWithParam<Lookup> {
protected:
  static void SetUpTestSuite() { LoadLanguageTable(); }
};

TEST_P(LangTextTest, FindsTheBuiltInText) {
  const Lookup& lookup = GetParam();
  EXPECT_EQ(LangText(lookup.group, lookup.key), lookup.text) << lookup.group << " / " << lookup.key;
}

INSTANTIATE_TEST_SUITE_P(
    EveryGroup, LangTextTest,
    ::testing::Values(
        Lookup{"Menu", "File", "File"}, Lookup{"Menu", "Open", "Open..."},
        Lookup{"Menu", "Delete Input Files", "Delete Files From the List"},
        Lookup{"Menu", "Custom Converter", "Find a File Converter..."},
        Lookup{"Menu", "Visit Homepage", "Visit the Program's Homepage"}, Lookup{"Menu", "About", "About..."},
        Lookup{"General", "Input File", "Input File:"}, Lookup{"General", "Filename", "Filename"},
        Lookup{"General", "Preparing", "Preparing..."}, Lookup{"General", "Converting", "Converting..."},
        Lookup{"Msg", "Insufficient memory", "Insufficient Memory"},
        Lookup{"Msg", "Unable to open file", "Unable to open the file: %s1%!"},
        Lookup{"Msg", "Empty input files", "No input file(s) found. Please, add valid file(s) and try again!"},
        Lookup{"Msg", "Invalid input folder",
               "The following input folder is invalid or doesn't exist:\r\n%s1%\r\n\r\n"
               "Please, correct the input path and try again!"},
        Lookup{"Msg", "Ask continue to find",
               "No matches of %s1% found!\r\n\r\nDo you want to search from the start of the list?"},
        Lookup{"Msg", "Progress", "(%s1%/%s2%)"}, Lookup{"Msg", "Files converted", "Files converted: %s1% of %s2%"},
        Lookup{"Msg", "No Update Text",
               "There is no update of Tarnwick yet. You're using the most recent version."},
        Lookup{"Msg", "Empty extensions", "Please, fill all required fields and try again!"},
        Lookup{"Dialog", "Import Input Files", "Import Input Files From A List"},
        Lookup{"Dialog", "Import Progress", "Importing"}, Lookup{"Dialog", "OK", "OK"},
        Lookup{"Dialog", "Defaults", "Defaults"}, Lookup{"Preferences", "Medium", "Medium"},
        Lookup{"Preferences", "Adaptive Logarithmic", "Adaptive Logarithmic"},
        Lookup{"Preferences", "Bottom-Right", "Bottom-Right"}, Lookup{"Preferences", "Privacy", "Privacy"},
        Lookup{"Preferences", "Image Width", "Image Width:"},
        Lookup{"Preferences", "Keep Subfolders", "Keep Subfolders:"}, Lookup{"Preferences", "X-Offset", "X-Offset:"},
        Lookup{"Preferences", "Title", "Preferences..."},
        Lookup{"Preferences", "Save window position", "Save Window's Coords:"},
        Lookup{"Preferences", "RGB48HS", "RGB 48-bit (HS)"}, Lookup{"Preferences", "DEFLATE", "Deflate (ZLib)"},
        Lookup{"Preferences", "Catmullrom", "Catmull-Rom Spline"},
        Lookup{"Preferences", "Strikeout", "Strikethrough"},
        Lookup{"Preferences", "Clean Recent Files", "Clean Recent Files List on Exit"},
        Lookup{"About", "Title", "About..."}, Lookup{"About", "Email", "E-mail:"},
        Lookup{"Custom-Converter", "Title", "Find a File Converter"}, Lookup{"Custom-Converter", "To", "To:"},
        Lookup{"Uninstall", "Uninstall Text", "Full Uninstall - Visit Uninstall Center"},
        Lookup{"Uninstall", "Next", "Next"},
        // Case is ignored in both arguments.
        Lookup{"msg", "ask BREAK import", "Do you want to break the import?"},
        Lookup{"CUSTOM-converter", "search", "Search"},
        // The same key in two groups gives each group's own text.
        Lookup{"General", "Output Format", "Output Format:"}, Lookup{"Preferences", "Output Format", "Output Format:"},
        Lookup{"Menu", "Import Input Files", "Import Files..."}, Lookup{"Menu", "Convert", "Convert"},
        Lookup{"Dialog", "Help", "Help"}, Lookup{"Menu", "Preferences", "Preferences..."},
        // Missing group, key or empty key.
        Lookup{"Menu", "Nothing", "%NO_STRING_ERROR%"}, Lookup{"Nowhere", "File", "%NO_STRING_ERROR%"},
        Lookup{"Menu", "", "%NO_STRING_ERROR%"}, Lookup{"", "File", "%NO_STRING_ERROR%"},
        Lookup{"Menu", "Fil", "%NO_STRING_ERROR%"}, Lookup{"Menu", "Files", "%NO_STRING_ERROR%"},
        Lookup{"Menu", "Zzz", "%NO_STRING_ERROR%"}, Lookup{"About", "Website ", "%NO_STRING_ERROR%"}));

TEST(LangTextGroups, AlternatingGroupsGiveEachGroupsText) {
  LoadLanguageTable();
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(LangText("Dialog", "Import Input Files"), "Import Input Files From A List");
    EXPECT_EQ(LangText("Menu", "Import Input Files"), "Import Files...");
    EXPECT_EQ(LangText("Nowhere", "Import Input Files"), NoStringText);
    EXPECT_EQ(LangText("menu", "Select Input Folder"), "Add Input Folder...");
  }
}

// Walks the built-in list as the table's reader must: every pair after a group marker is found in
// that group with its own text, and the groups hold what the list says, in order.
TEST(BuiltInTexts, EveryEntryIsFoundInItsGroup) {
  LoadLanguageTable();
  std::vector<std::pair<std::string, int>> groups;
  for (const TextPair& pair : BuiltInTexts()) {
    if (pair.first == EndMarker) break;
    if (pair.first == GroupMarker) {
      groups.emplace_back(std::string(pair.second), 0);
      continue;
    }
    ASSERT_FALSE(groups.empty());
    ++groups.back().second;
    EXPECT_EQ(LangText(groups.back().first, pair.first), pair.second) << groups.back().first << " / " << pair.first;
  }
  const std::vector<std::pair<std::string, int>> expected{
      {"Menu", 28}, {"General", 10}, {"Msg", 41}, {"Dialog", 16},
      {"Preferences", 214}, {"About", 4}, {"Custom-Converter", 4}, {"Uninstall", 3}};
  EXPECT_EQ(groups, expected);
  EXPECT_EQ(BuiltInTexts().back().first, EndMarker);
  EXPECT_EQ(BuiltInTexts().back().second, "");
}

// The three kinds of Preferences entries: 92 whose text is the key ("Medium" twice among them), 60
// with a colon added, and 62 others.
TEST(BuiltInTexts, PreferencesTextsFollowTheirKeys) {
  std::map<std::string, int> kinds;
  bool inPreferences = false;
  for (const TextPair& pair : BuiltInTexts()) {
    if (pair.first == GroupMarker) inPreferences = pair.second == "Preferences";
    if (!inPreferences || pair.first == GroupMarker) continue;
    const std::string key(pair.first);
    ++kinds[pair.second == key ? "same" : pair.second == key + ":" ? "colon" : "other"];
  }
  EXPECT_EQ(kinds["same"], 92);
  EXPECT_EQ(kinds["colon"], 60);
  EXPECT_EQ(kinds["other"], 62);
}

TEST(LanguageTable, LooksUpAnUnsortedListOfItsOwn) {
  const TextPair list[] = {
      {"_group_", "One"}, {"beta", "B"},  {"Alpha", "A"}, {"b", "short B"}, {"ALPHABET", "AB"},
      {"_GROUP_", "Empty"}, {"_GROUP_", "Two"}, {"alpha", "other A"}, {"_END_", ""}, {"Omega", "after the end"},
  };
  const LanguageTable table(list);
  const std::vector<Lookup> lookups{
      {"one", "BETA", "B"},        {"One", "alpha", "A"},
      {"ONE", "b", "short B"},     {"one", "alphabet", "AB"},
      {"two", "Alpha", "other A"}, {"one", "alphab", "%NO_STRING_ERROR%"},
      {"one", "c", "%NO_STRING_ERROR%"}, {"one", "a", "%NO_STRING_ERROR%"},
      {"empty", "beta", "%NO_STRING_ERROR%"}, {"two", "Omega", "%NO_STRING_ERROR%"},
      {"_END_", "", "%NO_STRING_ERROR%"}};
  for (const Lookup& lookup : lookups) {
    EXPECT_EQ(table.Find(lookup.group, lookup.key), lookup.text) << lookup.group << " / " << lookup.key;
  }
}

TEST(LanguageTable, KeysBeforeTheFirstGroupAreNeverFound) {
  const TextPair list[] = {{"Loose", "no group"}, {"_GROUP_", "G"}, {"Kept", "yes"}};
  const LanguageTable table(list);
  EXPECT_EQ(table.Find("", "Loose"), NoStringText);
  EXPECT_EQ(table.Find("G", "Loose"), NoStringText);
  EXPECT_EQ(table.Find("g", "kept"), "yes");
}

}  // namespace
