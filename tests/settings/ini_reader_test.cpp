#include "settings/ini_reader.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(IniReader, ReadsGroupsKeysAndValuesWhateverTheLineEnds) {
  const IniFile file = IniFile::Parse(
      "orphan = before any group\r"
      "[General]\n"
      "  ; a comment = not a key\r\n"
      "\t Key One \t=\t value with blanks  \r\n"
      "\n\r\n"
      "no equals sign\n"
      "key one = second, ignored\n"
      "[second\n"
      "a=b=c");
  EXPECT_EQ(file.Value("GENERAL", "key ONE"), "value with blanks  ");
  EXPECT_EQ(file.Value("general", "no equals sign"), "");
  EXPECT_EQ(file.Value("General", "; a comment"), std::nullopt);
  EXPECT_EQ(file.Value("General", "orphan"), std::nullopt);
  EXPECT_EQ(file.Value("second", "a"), "b=c");  // a group line without "]" names the rest of the line
  EXPECT_EQ(file.Group("missing"), nullptr);
}

TEST(IniReader, TheFirstGroupOfANameIsTheOneRead) {
  const IniFile file = IniFile::Parse("[CLI]\nA=1\nB=2\n[Other]\nA=3\n[cli]\nA=4\nC=5\n");
  const std::vector<IniEntry>* cli = file.Group("Cli");
  ASSERT_NE(cli, nullptr);
  ASSERT_EQ(cli->size(), 2u);
  EXPECT_EQ((*cli)[0].key, "A");
  EXPECT_EQ((*cli)[1].value, "2");
  EXPECT_EQ(file.Value("CLI", "C"), std::nullopt);
}

TEST(IniReader, DecodesLatin1UnlessTheFileCarriesTheUtf8Mark) {
  EXPECT_EQ(IniFile::Parse("[W]\nText=Caf\xE9 \xA9\n").Value("W", "Text"), "Caf\xC3\xA9 \xC2\xA9");
  EXPECT_EQ(IniFile::Parse("\xEF\xBB\xBF[W]\nText=Caf\xC3\xA9\n").Value("W", "Text"), "Caf\xC3\xA9");
  // Without the mark the mark's bytes are Latin-1 letters, and the group line is no group line.
  EXPECT_EQ(IniFile::Parse("\xEF\xBB[W]\nText=x\n").Group("W"), nullptr);
}

TEST(IniReader, LoadsOnlyReadableRegularFilesOfSaneSize) {
  ScratchFolder folder;
  WriteBytes(folder.File("empty.ini"), {});
  ASSERT_TRUE(IniFile::Load(folder.File("empty.ini")).has_value());
  EXPECT_EQ(IniFile::Load(folder.File("empty.ini"))->Group("General"), nullptr);
  EXPECT_FALSE(IniFile::Load(folder.File("missing.ini")).has_value());
  EXPECT_FALSE(IniFile::Load(folder.Path()).has_value());  // a folder
  ASSERT_EQ(RunCommand("truncate -s " + std::to_string(IniFile::kMaxBytes + 1) + " " + Quote(folder.File("huge.ini"))), 0);
  EXPECT_FALSE(IniFile::Load(folder.File("huge.ini")).has_value());
}
