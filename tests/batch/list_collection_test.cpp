#include "batch/list_collection.h"
#include "batch/list_text.h"
#include "batch_fixture.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> Utf16(const std::u16string& text, bool little) {
  std::vector<uint8_t> bytes;
  for (char16_t c : text) {
    const uint8_t low = c & 0xFF, high = c >> 8;
    bytes.insert(bytes.end(), little ? std::initializer_list<uint8_t>{low, high} : std::initializer_list<uint8_t>{high, low});
  }
  return bytes;
}

std::vector<uint8_t> Utf32Le(const std::u32string& text) {
  std::vector<uint8_t> bytes;
  for (char32_t c : text)
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(c >> (8 * i)));
  return bytes;
}

std::vector<std::string> Texts(const std::vector<uint8_t>& bytes) {
  std::vector<std::string> texts;
  for (const auto& line : ListTextLines(bytes.data(), bytes.size())) texts.push_back(line ? *line : "<skipped>");
  return texts;
}

}  // namespace

TEST(ListText, EveryMarkAndLineEnding) {
  const std::vector<std::string> lines = {"/in/ä b.bmp", "", "x", "/𝄞.bmp"};
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"UTF-8, no mark, LF", Bytes("/in/ä b.bmp\n\nx\n/𝄞.bmp")},
      {"UTF-8 mark, CR LF", Bytes("\xEF\xBB\xBF/in/ä b.bmp\r\n\r\nx\r\n/𝄞.bmp\r\n")},
      {"CR only", Bytes("/in/ä b.bmp\r\rx\r/𝄞.bmp\r")},
      {"UTF-16 LE", Utf16(u"\uFEFF/in/ä b.bmp\r\n\r\nx\r\n/𝄞.bmp", true)},
      {"UTF-16 BE", Utf16(u"\uFEFF/in/ä b.bmp\n\nx\n/𝄞.bmp\n", false)},
      {"UTF-32 LE", Utf32Le(U"\uFEFF/in/ä b.bmp\r\n\r\nx\r\n/𝄞.bmp")},
  };
  for (const Case& c : cases) EXPECT_EQ(Texts(c.bytes), lines) << c.name;
}

TEST(ListText, BrokenLinesAreSkippedAndTheRestKept) {
  std::vector<uint8_t> binary = Bytes("ok\n");
  for (int i = 0; i < 256; ++i) binary.push_back(static_cast<uint8_t>(i));
  EXPECT_EQ(Texts(binary).front(), "ok");
  EXPECT_EQ(Texts(Bytes(std::string("a\0b\nc", 5))), (std::vector<std::string>{"<skipped>", "c"}));
  // A lone high surrogate, then a good line, then an odd trailing byte.
  std::vector<uint8_t> utf16 = Utf16(u"\uFEFFa", true);
  utf16.insert(utf16.end(), {0x00, 0xD8, '\n', 0x00, 'b', 0x00, '\n', 0x00, 'z'});
  EXPECT_EQ(Texts(utf16), (std::vector<std::string>{"<skipped>", "b"}));
  EXPECT_TRUE(Texts({}).empty());
}

class ListCollection : public BatchTest {
protected:
  int Collect(const std::vector<uint8_t>& list) {
    job.sourcePath = dir.File("list.txt");
    WriteBytes(job.sourcePath, list);
    return Run(ListCollectionTask);
  }
};

TEST_F(ListCollection, FilesAndFoldersNamedInTheList) {
  mkdir(dir.File("in").c_str(), 0755);
  mkdir(dir.File("in/sub").c_str(), 0755);
  for (const char* file : {"ä b.bmp", "in/c.dib", "in/sub/d.bmp", "in/e.png", "z.bmp"})
    WriteBytes(dir.File(file), {'B', 'M'});
  const std::string list = "  " + dir.File("ä b.bmp") + "  \r\n\r\n" + dir.File("missing.bmp") + "\r\n" +
                           dir.File("in") + "\r\n   \r\n" + dir.File("ä b.bmp") + "\r\n";
  EXPECT_EQ(Collect(Bytes("\xEF\xBB\xBF" + list)), 3);
  // Entries of a listed folder keep no subfolder: the list has no root.
  EXPECT_EQ(Listed(), (std::vector<std::string>{"in/c.dib@", "in/sub/d.bmp@", "ä b.bmp@"}));
}

TEST_F(ListCollection, WideListsAndRelativePaths) {
  WriteBytes(dir.File("ä b.bmp"), {'B', 'M'});
  WriteBytes(dir.File("z.rle"), {'B', 'M'});
  const std::string here = std::filesystem::current_path().string();
  ASSERT_EQ(chdir(dir.Path().c_str()), 0);
  EXPECT_EQ(Collect(Utf16(u"\uFEFFä b.bmp\r\n./z.rle\r\n", true)), 2);
  EXPECT_EQ(Collect(Utf16(u"\uFEFF" + std::u16string(u"ä b.bmp\n"), false)), 0);  // already listed
  ASSERT_EQ(chdir(here.c_str()), 0);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"z.rle@", "ä b.bmp@"}));
}

TEST_F(ListCollection, AMissingOrBinaryListAddsNothing) {
  job.sourcePath = dir.File("none.txt");
  EXPECT_EQ(Run(ListCollectionTask), 0);
  std::vector<uint8_t> binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<uint8_t>(i));
  EXPECT_EQ(Collect(binary), 0);
  EXPECT_TRUE(inputList.Empty());
}
