#include "settings/config_file.h"
#include "settings/settings.h"
#include "settings/settings_table.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <ctime>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

void WriteText(const std::string& path, const std::string& text) { WriteBytes(path, {text.begin(), text.end()}); }

// Every setting as text, for comparing two whole records.
std::vector<std::string> Snapshot() {
  std::vector<std::string> values;
  for (const SettingRow& row : SettingRows())
    values.push_back(std::string(row.key) + "=" + std::to_string(SettingInt(row)) + "|" + SettingText(row) + "|" +
                     std::to_string(SettingFloat(row)));
  return values;
}

bool IsInputOption(const SettingRow& row) {
  return std::string(row.section) == "Input" && &row != FindSetting("Input", "Format");
}

class ConfigFile : public ::testing::Test {
protected:
  void SetUp() override {
    // A desktop on which the centred position is not 100, 100, to tell the two defaults apart.
    SetDesktopSizeProvider([] { return DesktopSize{1920, 1080}; });
    ResetSettings(DefaultSet::Window);
  }
  void TearDown() override { SetDesktopSizeProvider(nullptr); }

  // Loads `text` as config.ini.
  void Load(const std::string& text) {
    WriteText(path, text);
    LoadConfiguration(path);
  }

  ScratchFolder folder;
  const std::string path = folder.File("config.ini");
};

}  // namespace

TEST_F(ConfigFile, WrittenFormStartsWithMarkAndEmptyLineAndKeepsItsOrder) {
  settings.updateDate = 1234;
  settings.x = 7;
  settings.y = -8;
  settings.cfg = 3;  // whatever was loaded, the layout written is the current one
  ASSERT_TRUE(SaveConfiguration(path));
  const std::string text = Text(ReadBytes(path));
  const std::string head =
      "\xEF\xBB\xBF\r\n"
      "[General]\r\nCFG = 17\r\nLanguage = en\r\nUpdate Range = 2\r\nUpdate Date = 1234\r\nSave Window Position = 1\r\n; \r\n"
      "[Window]\r\nIsMaximized = 0\r\nWidth = 510\r\nHeight = 330\r\nX = 7\r\nY = -8\r\n; \r\n"
      "[Interface]\r\nUI Theme = handdrawn\r\nUI Size = 2\r\n; \r\n"
      "[Input]\r\nFormat = bmp\r\n; \r\n"
      "[Output]\r\nFormat = bmp\r\nBMP BPP = 0\r\nBMP Compression = 0\r\nBMP Color Table = 0\r\nDDS BPP = 0\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);

  // Every line ends in CR LF; twelve groups, each closed by its comment line; all keys but the nine
  // input options.
  int groups = 0, comments = 0, keys = 0;
  std::vector<std::string> order;
  for (size_t start = 3, end; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    const std::string line = text.substr(start, end - start);
    ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos);
    if (line.starts_with("[")) ++groups, order.push_back(line);
    else if (line == "; ") ++comments;
    else if (line.find(" = ") != std::string::npos) ++keys;
    else EXPECT_TRUE(line.empty() && start == 3) << line;
  }
  EXPECT_EQ(order, (std::vector<std::string>{"[General]", "[Window]", "[Interface]", "[Input]", "[Output]", "[Transform]",
                                             "[Adjustment]", "[Frame]", "[Watermark]", "[Advanced]", "[File]", "[Privacy]"}));
  EXPECT_EQ(comments, groups);
  EXPECT_EQ(keys, 132 - 9);
  EXPECT_NE(text.find("\r\nImage Gamma = 1.000000\r\nImage Invert = 0\r\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("[Privacy]\r\nClean Recent Files = 0\r\n; \r\n"));
}

TEST_F(ConfigFile, EverySettingWrittenIsReadBack) {
  // Distinct values in every written field, including texts that need trimming care and UTF-8.
  int n = 0;
  for (const SettingRow& row : SettingRows()) {
    ++n;
    SetSettingInt(row, n * 1000 + 3);
    SetSettingText(row, "v" + std::to_string(n) + " \xC3\xA9");
  }
  settings.imageGamma = 1.5f;
  settings.cfg = 17;
  settings.saveWindowPosition = 1;
  const std::vector<std::string> saved = Snapshot();
  ASSERT_TRUE(SaveConfiguration(path));
  EXPECT_NE(Text(ReadBytes(path)).find("\r\nImage Gamma = 1.500000\r\n"), std::string::npos);

  ResetSettings(DefaultSet::Console);
  LoadConfiguration(path);
  const std::vector<std::string> loaded = Snapshot();
  size_t i = 0;
  for (const SettingRow& row : SettingRows()) {
    if (IsInputOption(row)) {
      ApplyDefault(row, DefaultSet::Window);  // not written, so back at the default
      EXPECT_EQ(Snapshot()[i], loaded[i]) << row.key;
    } else {
      EXPECT_EQ(loaded[i], saved[i]);
    }
    ++i;
  }
  EXPECT_FLOAT_EQ(settings.imageGamma, 1.5f);
}

TEST_F(ConfigFile, ReadsKeysAndValuesAsWritten) {
  Load("[general]\r\ncfg = 15\r\n"
       "[WATERMARK]\r\nText = \t Caf\xE9 au lait \t\r\nFont Size=12pt\r\nText Padding = big\r\nText Position = 300\r\n"
       "[Adjustment]\r\nImage Gamma = 1.5\r\n"
       "[Window]\r\nWidth = 300\r\nHeight=200\r\n");
  EXPECT_EQ(settings.cfg, 15);
  EXPECT_EQ(settings.text, "Caf\xC3\xA9 au lait");  // Latin-1 without a mark, trimmed
  EXPECT_EQ(settings.fontSize, 12);
  EXPECT_EQ(settings.textPadding, 0);
  EXPECT_EQ(settings.textPosition, 44);  // an 8-bit field keeps the low byte of 300
  EXPECT_FLOAT_EQ(settings.imageGamma, 1.5f);
  EXPECT_EQ(settings.width, 300);  // stored as found: the window enforces its minimum
  EXPECT_EQ(settings.height, 200);

  Load("\xEF\xBB\xBF[Watermark]\nText=Caf\xC3\xA9\n");
  EXPECT_EQ(settings.text, "Caf\xC3\xA9");
  EXPECT_EQ(settings.fontSize, 14);  // missing: its default
}

TEST_F(ConfigFile, MissingKeysOfAnExistingFileTakeTheirFileDefaults) {
  Load("[General]\r\nLanguage = de\r\n");
  EXPECT_EQ(settings.language, "de");
  EXPECT_EQ(settings.cfg, 0);
  EXPECT_EQ(settings.x, 100);  // not centred on the 1920 × 1080 desktop
  EXPECT_EQ(settings.y, 100);
  EXPECT_EQ(settings.width, 510);
  EXPECT_EQ(settings.height, 330);
  EXPECT_NEAR(settings.updateDate, std::time(nullptr), 5);
  EXPECT_NEAR(settings.customTimestamp, std::time(nullptr), 5);
  EXPECT_EQ(settings.keepAspectRatio, 1);
  EXPECT_EQ(settings.outputFormat, "bmp");
  EXPECT_EQ(settings.inputFormat, "bmp");
}

TEST_F(ConfigFile, NoFileMeansTheWindowDefault) {
  LoadConfiguration(folder.File("missing.ini"));
  EXPECT_EQ(settings.cfg, 17);
  EXPECT_EQ(settings.x, (1920 - 510) / 2);
  EXPECT_EQ(settings.y, (1080 - 330) / 2);
}

TEST_F(ConfigFile, OlderLayoutsAreMigratedOnce) {
  const struct {
    const char* file;
    const char* mask;
    int32_t rawLoadAs;
  } cases[] = {
      {"[General]\nCFG=10\n[Advanced]\nFilename Mask=%filename%\n", "%filename%.%ext%", 0},
      {"[General]\nCFG=15\n[Advanced]\nFilename Mask=%filename%\n", "%filename%", 0},
      {"[General]\nCFG=10\n[Advanced]\nFilename Mask=%ext%_%filename%\n", "%ext%_%filename%", 0},
      {"[General]\nCFG=10\n[Advanced]\nFilename Mask=%EXT%\n", "%EXT%.%ext%", 0},
      {"[Advanced]\nFilename Mask=a\n", "a.%ext%", 0},  // no CFG reads as 0
      {"[General]\nCFG=13\n[Input]\nRAW Load As=3\n", "%filename%.%ext%", 5},
      {"[General]\nCFG=13\n[Input]\nRAW Load As=0\n", "%filename%.%ext%", 0},
      {"[General]\nCFG=14\n[Input]\nRAW Load As=3\n", "%filename%.%ext%", 3},
      {"[General]\nCFG=13\n[Input]\nRAW Load As=2147483647\n", "%filename%.%ext%", 2147483647},
  };
  for (const auto& c : cases) {
    Load(c.file);
    EXPECT_EQ(settings.filenameMask, c.mask) << c.file;
    EXPECT_EQ(settings.rawLoadAs, c.rawLoadAs) << c.file;
  }
  // The save records the current layout, so the next load leaves the mask alone.
  Load("[General]\nCFG=10\n[Advanced]\nFilename Mask=x\n");
  ASSERT_TRUE(SaveConfiguration(path));
  LoadConfiguration(path);
  EXPECT_EQ(settings.filenameMask, "x.%ext%");
}

TEST_F(ConfigFile, WithoutSaveWindowPositionTheWindowGroupIsEmptyAndTheNextStartUsesItsDefaults) {
  settings.saveWindowPosition = 0;
  settings.x = 12;
  settings.width = 900;
  ASSERT_TRUE(SaveConfiguration(path));
  EXPECT_NE(Text(ReadBytes(path)).find("Save Window Position = 0\r\n; \r\n[Window]\r\n; \r\n[Interface]\r\n"),
            std::string::npos);
  LoadConfiguration(path);
  EXPECT_EQ(settings.x, 100);
  EXPECT_EQ(settings.y, 100);
  EXPECT_EQ(settings.width, 510);
  EXPECT_EQ(settings.height, 330);
}

// Whatever lies in config.ini, the load ends with every setting set and no crash.
TEST_F(ConfigFile, DamagedFilesGiveDefaults) {
  std::mt19937 random(7);
  std::string binary(1 << 16, '\0');
  for (char& c : binary) c = static_cast<char>(random());
  std::string utf16 = "\xFF\xFE";
  for (const char c : std::string("[Watermark]\r\nFont Size = 20\r\n")) utf16 += std::string{c, '\0'};
  std::string enormous;
  while (enormous.size() < 20u << 20) enormous += "[Watermark]\nText = " + std::string(1000, 'x') + "\n";
  enormous += "[Frame]\nSolid Left = 20\n";
  const std::string longLine = "[Watermark]\nFont Size = 20\nText = " + std::string(8 << 20, 'y') + "\n";
  const std::string overflow = "[Watermark]\nFont Size = 99999999999999999999\nFont Leading = -99999999999999999999\n";
  const std::string duplicates = "[Watermark]\nFont Size = 20\nFont Size = 30\n[Watermark]\nFont Size = 40\n";

  const struct {
    const char* name;
    std::string file;
    int32_t fontSize;
  } cases[] = {
      {"empty", "", 14},         {"binary", binary, 14},           {"UTF-16", utf16, 14},
      {"20 MB", enormous, 14},   {"long line", longLine, 20},      {"overflow", overflow, 2147483647},
      {"duplicates", duplicates, 20},
  };
  for (const auto& c : cases) {
    ResetSettings(DefaultSet::Console);
    Load(c.file);
    EXPECT_EQ(settings.fontSize, c.fontSize) << c.name;
    EXPECT_EQ(settings.filenameMask, "%filename%.%ext%") << c.name;
    EXPECT_EQ(settings.x, 100) << c.name;
    EXPECT_EQ(settings.keepAspectRatio, 1) << c.name;
  }
  Load(overflow);
  EXPECT_EQ(settings.fontLeading, -2147483647 - 1);
  Load(enormous);
  EXPECT_EQ(settings.solidLeft, 20);  // read to its very end
  EXPECT_EQ(settings.text.size(), 1000u);
}

TEST_F(ConfigFile, AFileThatCannotBeReadGivesTheWindowDefaultAndCannotBeReplaced) {
  ASSERT_EQ(mkdir(path.c_str(), 0700), 0);  // config.ini is a folder
  settings.fontSize = 99;
  LoadConfiguration(path);
  EXPECT_EQ(settings.fontSize, 14);
  EXPECT_EQ(settings.x, (1920 - 510) / 2);
  EXPECT_FALSE(SaveConfiguration(path));
  EXPECT_EQ(ListFolder(folder.Path()), std::vector<std::string>{"config.ini"});  // no temporary left
  EXPECT_FALSE(SaveConfiguration(folder.File("no such folder/config.ini")));
}

TEST_F(ConfigFile, ASaveReplacesTheWholeFileAndFollowsALink) {
  WriteText(path, std::string(100000, '#'));
  ASSERT_TRUE(SaveConfiguration(path));
  EXPECT_TRUE(Text(ReadBytes(path)).starts_with("\xEF\xBB\xBF\r\n[General]\r\n"));
  EXPECT_EQ(Text(ReadBytes(path)).find('#'), std::string::npos);
  EXPECT_EQ(ListFolder(folder.Path()), std::vector<std::string>{"config.ini"});

  // A config.ini kept elsewhere and linked in stays linked.
  const std::string kept = folder.File("kept.ini");
  ASSERT_EQ(rename(path.c_str(), kept.c_str()), 0);
  ASSERT_EQ(symlink(kept.c_str(), path.c_str()), 0);
  settings.fontSize = 33;
  ASSERT_TRUE(SaveConfiguration(path));
  char target[4096] = {};
  ASSERT_GT(readlink(path.c_str(), target, sizeof target - 1), 0);
  EXPECT_EQ(std::string(target), kept);
  EXPECT_NE(Text(ReadBytes(kept)).find("\r\nFont Size = 33\r\n"), std::string::npos);
}
