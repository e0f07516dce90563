// The console converter run as a user runs it: the built program, its lines and its exit status.
#include "support/images.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace {

class ConsoleRunTest : public ::testing::Test {
protected:
  // Runs the program with `arguments` in the scratch folder, with a lock folder of its own so that
  // other tests' copies do not count as a running copy; returns its exit status. `output` holds
  // standard error too, which the program never writes to. `program` false runs `arguments` as a
  // whole command instead.
  int Run(const std::string& arguments, std::string* output, bool program = true) {
    return RunCommand("cd " + Quote(dir.Path()) + " && XDG_RUNTIME_DIR=" + Quote(dir.Path()) + " " +
                          (program ? Quote(VANTOREL_EXE) + " " : "") + arguments,
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

  // A link to the tree is the tree: the same files, the same subfolders.
  RunCommand("ln -s in " + Quote(dir.File("link")) + " && mkdir " + Quote(dir.File("viaLink")));
  EXPECT_EQ(Run("-q -i link -o viaLink -c png", &output), 0) << output;
  EXPECT_EQ(ListFolder(dir.File("viaLink")), (std::vector<std::string>{"a.png", "b.png", "sub"}));
  EXPECT_EQ(IdentifySize(dir.File("viaLink/sub/c.png")), "12x8");
}

TEST_F(ConsoleRunTest, AnOutputFolderThatTakesNoFilesStopsWithoutLeavingAny) {
  Bitmaps("in", {"a.bmp", "b.bmp"});
  const std::vector<uint8_t> source = ReadBytes(dir.File("in/a.bmp"));
  // /proc exists for every user, root included, and refuses every new file.
  for (const char* extension : {"png", "dds"}) {
    std::string output;
    EXPECT_EQ(Run(std::string("-q -i in -o /proc -c ") + extension, &output), 1) << extension;
    EXPECT_EQ(output, "Conversion stopped\n") << extension;
  }
  EXPECT_EQ(ListFolder(dir.File("in")), (std::vector<std::string>{"a.bmp", "b.bmp"}));
  EXPECT_EQ(ReadBytes(dir.File("in/a.bmp")), source);
}

// A list saved by a Windows editor: UTF-16 with its mark, CR LF, a stray line, and names with spaces
// and accents. Each output keeps the source's modification time when asked to.
TEST_F(ConsoleRunTest, AWindowsListFileNamesFilesWithSpacesAndAccents) {
  Bitmaps("my pictures", {"\xc3\xa9t\xc3\xa9 1.bmp", "plain.bmp"});
  RunCommand("touch -d '2001-02-03 04:05:06' " + Quote(dir.File("my pictures/plain.bmp")));
  const std::string absolute = dir.File("my pictures/plain.bmp");  // plain ASCII, like the temp folder
  std::u16string list = u"my pictures/\u00e9t\u00e9 1.bmp\r\nnot a file at all\r\n\r\n";
  list += std::u16string(absolute.begin(), absolute.end()) + u"\r\n";
  std::vector<uint8_t> bytes{0xFF, 0xFE};
  for (char16_t c : list) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  WriteBytes(dir.File("list.txt"), bytes);
  RunCommand("mkdir " + Quote(dir.File("out")));

  std::string output;
  EXPECT_EQ(Run("-i list.txt -o out -c gif --file-timestamp=original", &output), 0) << output;
  EXPECT_NE(output.find("Import complete, new files added: 2\n"), std::string::npos) << output;
  EXPECT_EQ(IdentifySize(dir.File("out/\xc3\xa9t\xc3\xa9 1.gif")), "12x8");
  std::string stamp;
  RunCommand("date -r " + Quote(dir.File("out/plain.gif")) + " '+%F %T'", &stamp);
  EXPECT_EQ(stamp, "2001-02-03 04:05:06\n");
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

  const std::string nothingFound =
      Lines({"Conversion stopped", "No input file(s) found. Please, add valid file(s) and try again!"});
  RunCommand("mkdir -p " + Quote(dir.File("empty")));
  EXPECT_EQ(Run("-q -i empty -c png", &output), 1);
  EXPECT_EQ(output, nothingFound);
  SaveBmp(MakeColourful(4, 4), dir.File("really-a-bitmap.png"));  // only bitmap extensions are taken
  EXPECT_EQ(Run("-q -i really-a-bitmap.png -c jpg", &output), 1);
  EXPECT_EQ(output, nothingFound);

  // A bare file name without an output folder converts into the current folder; a gamma at the
  // edge of its range passes.
  SaveBmp(MakeColourful(6, 5), dir.File("single.bmp"));
  EXPECT_EQ(Run("-q -i single.bmp -c png --gamma=9.99", &output), 0) << output;
  EXPECT_EQ(IdentifySize(dir.File("single.png")), "6x5");
}

TEST_F(ConsoleRunTest, ChecksStopAtTheFirstErrorLine) {
  Bitmaps("in", {"a.bmp"});
  Bitmaps("folder.d", {"b.bmp"});
  SaveBmp(MakeColourful(4, 4), dir.File("noextension"));
  struct Case {
    const char* arguments;
    const char* line;
  } cases[] = {
      {"-q -i missing.bmp", "Error: Invalid input file"},
      {"-q -i folder.d", "Error: Invalid input file"},  // a point makes it a file
      {"-q -i nothere", "Error: Invalid input folder"},
      {"-q -i noextension", "Error: Invalid input folder"},  // no point makes it a folder
      {"-q -i ../in", "Error: Incorrect input folder"},
      {"-q -i in -o ../in", "Error: Incorrect output folder"},
      {"-q -i in -o nothere", "Error: Invalid output folder"},
      {"-q -i in -c PNG", "Error: Invalid conversion type"},
      {"-q -i in -c png --png-bpp=16", "Error: Invalid png-bpp value"},
      {"-q -i in -c jpg --jpg-quality=0", "Error: Invalid jpg-quality value"},
      {"-q -i in -c png --width=10", "Error: Invalid height value"},
      {"-q -i in -c png --contrast=-101", "Error: Invalid contrast value"},
      {"-q -i in -c png --brightness=7 --gamma=10", "Error: Invalid gamma value"},
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

// Every block of the report switched on: each label in its place, and a check that fails right
// after the lines it belongs to.
TEST_F(ConsoleRunTest, DebugReportShowsEveryBlockAndStopsAfterTheWatermarkLines) {
  Bitmaps("in", {"a.bmp"});
  const std::string options =
      "-q -d -i in -o in -c tiff --tiff-compression=lzw --tiff-color-model=CMYK --rotation=90 "
      "--rotation-type=advanced --rotation-back-color=FF0000 --width=50 --width-unit=percent --height=40 "
      "--keep-aspect-ratio --resize-type=largeimages --resize-algorithm=Lanczos --flip-vertical --brightness=-20 "
      "--contrast=5 --gamma=1.5 --invert --greyscale --threshold=128 --fr-solid-left=3 --fr-solid-top-color=00FF00 "
      "--fr-solid-opacity=200 --wm-image-greyscale --wm-image-opacity=100 --wm-image-position=topcenter "
      "--wm-image-x-offset=-4 --file-timestamp=custom --file-timestamp-custom=86400 --no-subfolders "
      "--filename-mask=x_%n% ";
  const std::string head = Lines({
      "Input: in", "Output: in", "Conversion: tiff", "TIFF BPP: 0", "TIFF Compression: lzw",
      "TIFF Color Model: cmyk", "Image Rotation Type: advanced", "Image Rotation: 90",
      "Image Rotation Back Color: FF0000", "Width: 50 percent", "Height: 40 pixels", "Keep Aspect Ratio: 1",
      "Image Resize Type: largeimages", "Image Resize Algorithm: lanczos", "Flip Horizontal: 0", "Flip Vertical: 1",
      "Brightness: -20", "Contrast: 5", "Gamma: 1.50", "Invert: 1", "Greyscale: 1", "Image Threshold: 128",
      "Frame: solid", "Frame left: 3", "Frame right: 0", "Frame top: 0", "Frame bottom: 0",
      "Frame left color: 000000", "Frame right color: 000000", "Frame top color: 00FF00",
      "Frame bottom color: 000000", "Frame opacity: 200", "Watermark: image",
  });
  const std::string watermark = Lines({
      "Watermark greyscale: 1", "Watermark opacity: 100", "Watermark boundary: image",
      "Watermark position: topcenter", "Watermark offset (x/y): -4/10", "Watermark rotation: 0",
      "Watermark size/mode: fixed",
  });

  std::string output;
  EXPECT_EQ(Run(options + "--wm-image=missing.png", &output), 1);
  EXPECT_EQ(output, head + "Watermark image: missing.png\n" + watermark + "Error: Invalid watermark image\n");

  SaveBmp(MakeColourful(4, 4), dir.File("logo.bmp"));
  EXPECT_EQ(Run(options + "--wm-image=logo.bmp", &output), 0);
  const std::string folder = dir.Path() + "/in/";
  EXPECT_EQ(output, head + "Watermark image: logo.bmp\n" + watermark +
                        Lines({"Filename Mask: x_%n%", "File Timestamp: custom", "Custom Timestamp: 86400",
                               "Keep Subfolders: 0", "Processing: " + folder + "a.bmp",
                               "Saving As: " + folder + "x_00001", "OK"}));
}

TEST_F(ConsoleRunTest, FirstParameterCommandsAndParseErrorsEndAtOnce) {
  Bitmaps("in", {"a.bmp"});
  struct Case {
    const char* arguments;
    const char* output;
    int status;
  } cases[] = {
      {"-v", "2.5\n", 0},
      {"--VERSION -i in", "2.5\n", 0},
      {"-i", "Error: Incorrect number of parameters\n", 1},
      {"-i in -o -c png", "Error: Incorrect number of parameters\n", 1},
      {"--input in", "Error: Incorrect number of parameters\n", 1},
      {"-i in --width 800", "Error: Incorrect number of parameters\n", 1},
      {"-i in --brightness=--20", "Error: Incorrect number of parameters\n", 1},
      {"-p -q -i in --profile=missing.ini", "Error: Invalid profile file\n", 1},  // no prompt, no wait
  };
  for (const Case& c : cases) {
    std::string output;
    EXPECT_EQ(Run(c.arguments, &output), c.status) << c.arguments;
    EXPECT_EQ(output, c.output) << c.arguments;
  }
  EXPECT_FALSE(FileExists(dir.File("in/a.bmp.bmp")));

  // On a terminal every outcome first names the program in the title bar.
  for (const char* arguments : {"-i", "-q -i in -c png", "-v"}) {
    std::string output;
    Run("script -qec " + Quote(std::string(VANTOREL_EXE) + " " + arguments) + " /dev/null", &output, false);
    EXPECT_TRUE(output.starts_with("\x1b]0;Tarnwick 2.5\a")) << arguments << ": " << output;
  }

  std::string help;
  EXPECT_EQ(Run("--help -i in", &help), 0);
  EXPECT_TRUE(help.starts_with(" \nUsage: vantorel -i <filename> [options]\n \n  vantorel -i example.bmp\n")) << help;
}

// The JPEG quality an ImageMagick decoder estimates tells which setting won.
TEST_F(ConsoleRunTest, ProfilesAndOptionsOverrideInTheOrderWritten) {
  Bitmaps("in", {"a.bmp"});
  WriteBytes(dir.File("profile.ini"), [] {
    const std::string text = "; saved by hand\r\n[Cli]\r\n--jpg-quality = 20\r\n--FILENAME-MASK=\"q %filename%.jpg\"\r\n";
    return std::vector<uint8_t>(text.begin(), text.end());
  }());
  struct Case {
    const char* arguments;
    const char* quality;
  } cases[] = {
      {"--jpg-quality=90 --profile=profile.ini", "20"},
      {"--profile=profile.ini --jpg-quality=90", "90"},
  };
  for (const Case& c : cases) {
    std::string output, quality;
    EXPECT_EQ(Run(std::string("-q -i in -c jpg ") + c.arguments, &output), 0) << output;
    RunCommand("/usr/bin/identify -format %Q " + Quote(dir.File("in/q a.jpg")), &quality);
    EXPECT_EQ(quality, c.quality) << c.arguments;
  }
}

TEST_F(ConsoleRunTest, MasksTakeTokensInAnyCaseAndLowerTheirOwnText) {
  Bitmaps("in", {"hOLIDAY.bmp"});
  struct Case {
    const char* mask;
    const char* name;
  } cases[] = {
      {"%FileName%_%EXT[U]%", "hOLIDAY_JPG"},
      {"%filename[t]%.%ext[t]%", "Holiday.Jpg"},
      {"Copy of %FILENAME[l]% %n% %WIDTH%x%Height% %bpp%.%ext%", "copy of holiday 00001 12x8 24.jpg"},
  };
  for (const Case& c : cases) {
    std::string output;
    EXPECT_EQ(Run(std::string("-q -i in -o in -c jpg --filename-mask=") + Quote(c.mask), &output), 0) << output;
    EXPECT_EQ(IdentifySize(dir.File(std::string("in/") + c.name), "JPG"), "12x8") << c.mask;
  }
}
