#include "cli/console_output.h"

#include "cli/std_streams.h"
#include "platform/console.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <optional>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

struct TemplateCase {
  const char* text;
  std::vector<const char*> arguments;
  const char* expected;
};

TEST(FormatTemplate, FillsThePlaceholders) {
  const std::vector<TemplateCase> cases{
      {"Files converted: %s1% of %s2%", {"3", "5", "", ""}, "Files converted: 3 of 5"},
      {"Files converted: %s1% of %s2%", {"3", "", "", ""}, "Files converted: 3 of %s2%"},
      {"Files converted: %S1% of %s2%", {"3", "5", "", ""}, "Files converted: 3 of 5"},
      {"", {"3", "5", "7", "9"}, ""},
      {"%s4%%s3%%s2%%s1%", {"a", "b", "c", "d"}, "dcba"},
      {"%s1% and %s1%", {"x", "", "", ""}, "x and x"},
      // A placeholder brought in by an earlier argument is filled by a later one, never by itself.
      {"<%s1%>", {"%s2%", "two", "", ""}, "<two>"},
      {"<%s2%>", {"%s2%", "%s1%", "", ""}, "<%s1%>"},
      {"<%s1%>", {"[%s1%]", "", "", ""}, "<[%s1%]>"},
      {"%s5% %s0% %s1", {"a", "b", "c", "d"}, "%s5% %s0% %s1"},
      {"(%s1%/%s2%)", {"12", "345", "", ""}, "(12/345)"},
  };
  for (const TemplateCase& c : cases) {
    EXPECT_EQ(FormatTemplate(c.text, c.arguments[0], c.arguments[1], c.arguments[2], c.arguments[3]), c.expected)
        << c.text;
  }
}

TEST(ConsoleOutput, VersionIsOneLine) {
  EXPECT_EQ(CaptureStdout(PrintVersion), "2.5\n");
}

TEST(ConsoleOutput, BannerNamesTheProgramAndItsMaker) {
  EXPECT_EQ(CaptureStdout(PrintBanner),
            Lines({"Tarnwick 2.5", "Copyright (c) 2025 Tarnwick Software. All rights reserved.",
                   "https://tarnwick.example/", " "}));
}

// The help names the running executable, which here is the test program.
TEST(ConsoleOutput, HelpIsPrintedLineForLine) {
  const std::string expected = Lines({
      " ",
      "Usage: cli_tests -i <filename> [options]",
      " ",
      "  cli_tests -i example.bmp",
      "  cli_tests -i /home/user/Pictures/example.bmp",
      "  cli_tests -i /home/user/Pictures/example.bmp -o /home/user/converted",
      "  cli_tests -i /home/user/Pictures/filelist.txt",
      "  cli_tests -i /home/user/Pictures/ -o /home/user/converted --jpg-quality=95",
      "  cli_tests -i /home/user/Pictures/ -o /home/user/converted -c bmp --jpg-quality=95",
      " ",
      "Options:",
      " ",
      "  -h, -?, --help            Display this help and exit",
      "  -i FILE, --input=FILE     Set input file/list/folder",
      "  -o PATH, --output=PATH    Set output folder",
      "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)",
      " ",
      "Advanced options:",
      " ",
      "  --width=NUM               Set output image width",
      "  --height=NUM              Set output image height",
      "  --filename-mask=STR       Define output filename format",
      "  --flip-horizontal         Flip output image horizontally",
      "  --flip-vertical           Flip output image vertically",
      "  --brightness=NUM          Set output image brightness, NUM = -100..100",
      "  --contrast=NUM            Set output image contrast, NUM = -100..100",
      "  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99",
      "  --invert                  Invert output image",
      "  --greyscale               Greyscale output image",
      "  --profile=FILE            Set configuration file with required settings",
      "    ...                     Refer documentation for all available options",
      " ",
      "Other options:",
      " ",
      "  -q, --quiet               Don't print status messages to stdout",
      "  -d, --debug               Print debug information to stdout",
      "  -p, --pause               Pause at exit",
      "  -v, --version             Display version information and exit",
  });
  EXPECT_EQ(CaptureStdout(PrintHelp), expected);
}

TEST(ConsoleOutput, TitleGoesOnlyToATerminal) {
  EXPECT_EQ(CaptureStdout([] { SetConsoleTitle("Tarnwick 2.5"); }), "");

  const PseudoTerminal terminal;
  ASSERT_TRUE(terminal.Open());
  {
    const RedirectedStream redirect(STDOUT_FILENO, terminal.Secondary());
    PrintVersion();
  }
  EXPECT_EQ(terminal.Screen(), "\x1b]0;Tarnwick 2.5\a2.5\r\n");  // the terminal turns "\n" into CR LF
}

class StdinFromFile : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_GE(file_, 0); }
  void TearDown() override { close(file_); }
  int file_ = open("/dev/null", O_RDONLY);
};

TEST_F(StdinFromFile, PauseNeedsNoKey) {
  const RedirectedStream redirect(STDIN_FILENO, file_);
  EXPECT_EQ(CaptureStdout([] { PauseAtExit(true); }), "Press any key to exit.\n");
  EXPECT_EQ(CaptureStdout([] { PauseAtExit(false); }), "");
}

// The key wait on a terminal of its own: stdin is the terminal while the test runs.
class KeyWaitOnTerminal : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(terminal_.Open());
    ASSERT_EQ(tcgetattr(terminal_.Secondary(), &before_), 0);
    redirect_.emplace(STDIN_FILENO, terminal_.Secondary());
  }
  // A wait that a failed test left running is ended with a key before stdin goes back.
  void TearDown() override {
    if (wait_.valid() && wait_.wait_for(0s) != std::future_status::ready) terminal_.Type("z");
    if (wait_.valid()) wait_.wait();
    redirect_.reset();
  }

  void StartWait() { wait_ = std::async(std::launch::async, WaitForKey); }
  bool Waiting(std::chrono::milliseconds time) { return wait_.wait_for(time) == std::future_status::timeout; }

  void ExpectRestored() const {
    termios after{};
    ASSERT_EQ(tcgetattr(terminal_.Secondary(), &after), 0);
    EXPECT_EQ(after.c_lflag, before_.c_lflag);
    EXPECT_EQ(after.c_iflag, before_.c_iflag);
    EXPECT_EQ(after.c_oflag, before_.c_oflag);
    EXPECT_EQ(after.c_cc[VMIN], before_.c_cc[VMIN]);
  }

  PseudoTerminal terminal_;
  termios before_{};
  std::optional<RedirectedStream> redirect_;
  std::future<void> wait_;
};

TEST_F(KeyWaitOnTerminal, EndsOnAKeyWithACharacter) {
  StartWait();
  ASSERT_TRUE(terminal_.WaitForRawMode());
  EXPECT_TRUE(Waiting(100ms));
  terminal_.Type("x");
  ASSERT_FALSE(Waiting(2s));
  ExpectRestored();
}

TEST_F(KeyWaitOnTerminal, ArrowsAndFunctionKeysDoNotEndIt) {
  StartWait();
  ASSERT_TRUE(terminal_.WaitForRawMode());
  terminal_.Type("\x1b[A");    // up arrow
  terminal_.Type("\x1bOP");    // F1
  terminal_.Type("\x1b[15~");  // F5
  EXPECT_TRUE(Waiting(300ms));
  terminal_.Type("q");
  ASSERT_FALSE(Waiting(2s));
  ExpectRestored();
}

TEST_F(KeyWaitOnTerminal, EscapeAloneIsAKey) {
  StartWait();
  ASSERT_TRUE(terminal_.WaitForRawMode());
  terminal_.Type("\x1b");
  ASSERT_FALSE(Waiting(2s));
  ExpectRestored();
}

TEST_F(KeyWaitOnTerminal, KeysTypedBeforeTheWaitCount) {
  terminal_.Type("k");
  std::this_thread::sleep_for(100ms);  // the terminal has taken it into its line buffer
  StartWait();
  ASSERT_FALSE(Waiting(2s));
  ExpectRestored();
}

}  // namespace
