// The console converter run as a user runs it: the built program, its lines and its exit status.
#include "support/images.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace {

class ConsoleRunTest : public ::testing::Test {
protected:
  // Runs the program with `arguments` in the scratch folder, with a lock folder of its own so that
  // other tests' copies do not count as a running copy; returns its exit status.
  int Run(const std::string& arguments, std::string* output) {
    return RunCommand("cd " + Quote(dir.Path()) + " && XDG_RUNTIME_DIR=" + Quote(dir.Path()) + " " +
                          Quote(VANTOREL_EXE) + " " + arguments + " 2>/dev/null",
                      output);
  }
  void Bitmaps(const std::string& folder, std::initializer_list<const char*> names) {
    RunCommand("mkdir -p " + Quote(dir.File(folder)));
    for (const char* name : names) SaveBmp(MakeColourful(12, 8), dir.File(folder + "/" + name));
  }
  ScratchFolder dir;
};

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace

TEST_F(ConsoleRunTest, AFolderConvertsWithItsSubfolders) {
  Bitmaps("in", {"a.bmp", "b.DIB"});
  Bitmaps("in/sub", {"c.rle"});
  RunCommand("mkdir -p " + Quote(dir.File("out")));
  std::string output;
  EXPECT_EQ(Run("-q -i in -o out -c png", &output), 0);
  EXPECT_EQ(output, "");  // quiet: nothing at all for a successful run
  EXPECT_EQ(IdentifySize(dir.File("out/a.png")), "12x8");
  EXPECT_EQ(IdentifySize(dir.File("out/b.png")), "12x8");
  EXPECT_EQ(IdentifySize(dir.File("out/sub/c.png")), "12x8");
}

TEST_F(ConsoleRunTest, StatusLinesAndExitStatusFollowTheOutcome) {
  Bitmaps("in", {"good.bmp"});
  WriteBytes(dir.File("in/broken.bmp"), std::vector<uint8_t>(100, 'x'));
  std::string output;
  EXPECT_EQ(Run("-i in -c jpg", &output), 2);  // one of two converted
  EXPECT_NE(output.find(Lines({"Preparing...", "Importing...", "Import complete, new files added: 2",
                               "Converting...", "Conversion complete", "Files converted: 1 of 2"})),
            std::string::npos)
      << output;
  EXPECT_TRUE(FileExists(dir.File("in/good.jpg")));

  RunCommand("mkdir -p " + Quote(dir.File("empty")));
  EXPECT_EQ(Run("-q -i empty -c png", &output), 1);
  EXPECT_EQ(output, Lines({"Conversion stopped", "No input file(s) found. Please, add valid file(s) and try again!"}));
}

TEST_F(ConsoleRunTest, ChecksStopAtTheFirstErrorLine) {
  Bitmaps("in", {"a.bmp"});
  struct Case {
    const char* arguments;
    const char* line;
  } cases[] = {
      {"-q -i missing.bmp", "Error: Invalid input file"},
      {"-q -i nothere", "Error: Invalid input folder"},
      {"-q -i in -o nothere", "Error: Invalid output folder"},
      {"-q -i in -c PNG", "Error: Invalid conversion type"},
      {"-q -i in -c png --png-bpp=16", "Error: Invalid png-bpp value"},
      {"-q -i in -c jpg --jpg-quality=0", "Error: Invalid jpg-quality value"},
      {"-q -i in -c png --width=10", "Error: Invalid height value"},
      {"-q -i in -c png --wm-text=x --wm-font=Arail", "Error: Invalid watermark font"},
  };
  for (const Case& c : cases) {
    std::string output;
    EXPECT_EQ(Run(c.arguments, &output), 1) << c.arguments;
    EXPECT_EQ(output, std::string(c.line) + "\n") << c.arguments;
  }
  EXPECT_FALSE(FileExists(dir.File("in/a.png")));
}

TEST_F(ConsoleRunTest, DebugReportPrintsTheFormatLinesBeforeItsError) {
  Bitmaps("in", {"a.bmp"});
  std::string output;
  EXPECT_EQ(Run("-q -d -i in -o in -c jpg --jpg-bpp=16", &output), 1);
  EXPECT_EQ(output, Lines({"Input: in", "Output: in", "Conversion: jpg", "JPG BPP: 16", "JPG Quality: 95",
                           "JPG Chroma Subsampling: none", "JPG Save As: standard", "Error: Invalid jpg-bpp value"}));
}
