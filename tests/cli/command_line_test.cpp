#include "cli/command_line.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using Parameters = std::vector<std::string>;

struct NameCase {
  const char* parameter;
  const char* name;
  const char* value;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << "[" << c.parameter << "]"; }

class OptionNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(OptionNameTest, SplitsNameAndValue) {
  const CommandLine line({GetParam().parameter});
  EXPECT_EQ(line.OptionName(0), GetParam().name);
  EXPECT_EQ(line.OptionValue(0), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Parameters, OptionNameTest, ::testing::Values(
    NameCase{"--Input=Pics/A=B.bmp", "--INPUT", "Pics/A=B.bmp"},
    NameCase{"-i", "-I", "-i"},
    NameCase{"-i=x", "-I=X", "-i=x"},
    NameCase{"  -q  ", "-Q", "-q"},
    NameCase{"photo.bmp", "", "photo.bmp"},
    NameCase{"--wm-text", "--WM-TEXT", "--wm-text"},
    NameCase{"--wm-text=", "--WM-TEXT", ""},
    NameCase{"--=x", "--", "x"},
    NameCase{"", "", ""}));

TEST(CommandLine, ParametersAreTrimmedOfSpacesAndReadEmptyBeyondTheLast) {
  const CommandLine line({"  -o  ", "\ta b\t"});
  EXPECT_EQ(line.Parameter(0), "-o");
  EXPECT_EQ(line.Parameter(1), "\ta b\t");
  EXPECT_EQ(line.Parameter(2), "");
  EXPECT_EQ(line.OptionName(5), "");
}

struct OutcomeCase {
  Parameters parameters;
  CommandLineAction action;
  const char* errorLine;
  bool quiet;
  bool pause;
};

void PrintTo(const OutcomeCase& c, std::ostream* out) {
  for (const std::string& p : c.parameters) *out << "[" << p << "]";
}

class OutcomeTest : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(OutcomeTest, TellsTheCallerWhatToDo) {
  const CommandLineOutcome outcome = CommandLine(GetParam().parameters).Apply();
  EXPECT_EQ(outcome.action, GetParam().action);
  EXPECT_EQ(outcome.errorLine, GetParam().errorLine);
  EXPECT_EQ(outcome.quiet, GetParam().quiet);
  EXPECT_EQ(outcome.pause, GetParam().pause);
}

constexpr auto Window = CommandLineAction::OpenWindow;
constexpr auto Run = CommandLineAction::RunConsole;
constexpr auto Fail = CommandLineAction::ReportError;
constexpr auto Help = CommandLineAction::ShowHelp;
constexpr auto Version = CommandLineAction::ShowVersion;
constexpr const char* kMissing = "Error: Incorrect number of parameters";

INSTANTIATE_TEST_SUITE_P(Lines, OutcomeTest, ::testing::Values(
    OutcomeCase{{}, Window, "", false, false},
    OutcomeCase{{"photo.bmp"}, Window, "", false, false},
    OutcomeCase{{"-q"}, Window, "", true, false},
    OutcomeCase{{"--flip-vertical", "-o", "out"}, Window, "", false, false},
    OutcomeCase{{"-i", "photo.bmp"}, Run, "", false, false},
    OutcomeCase{{"--InPuT=photo.bmp", "-Q", "--pause"}, Run, "", true, true},
    OutcomeCase{{"-I", "photo.bmp", "--quiet=no", "-p"}, Run, "", true, true},
    // First-parameter commands.
    OutcomeCase{{"-V"}, Version, "", false, false},
    OutcomeCase{{"--version", "-i", "photo.bmp"}, Version, "", false, false},
    OutcomeCase{{"-h"}, Help, "", false, false},
    OutcomeCase{{"-?"}, Help, "", false, false},
    OutcomeCase{{"--Help"}, Help, "", false, false},
    OutcomeCase{{"-q", "-v"}, Window, "", true, false},
    OutcomeCase{{"-i", "photo.bmp", "-h"}, Run, "", false, false},
    OutcomeCase{{"-U"}, Window, "", false, false},
    OutcomeCase{{"-T", "shots"}, Window, "", false, false},
    // Missing values.
    OutcomeCase{{"-i"}, Fail, kMissing, false, false},
    OutcomeCase{{"-i", "-o", "out"}, Fail, kMissing, false, false},
    OutcomeCase{{"--input"}, Fail, kMissing, false, false},
    OutcomeCase{{"--input="}, Fail, kMissing, false, false},
    OutcomeCase{{"--input=-x.bmp"}, Fail, kMissing, false, false},
    OutcomeCase{{"-i", "photo.bmp", "-o"}, Fail, kMissing, false, false},
    OutcomeCase{{"-i", "photo.bmp", "-c", "-png"}, Fail, kMissing, false, false},
    OutcomeCase{{"-i", "photo.bmp", "--output"}, Fail, kMissing, false, false},
    OutcomeCase{{"-i", "photo.bmp", "--width", "800"}, Fail, kMissing, false, false},
    OutcomeCase{{"-i", "photo.bmp", "--width="}, Fail, kMissing, false, false},
    OutcomeCase{{"-i", "photo.bmp", "--brightness=--20"}, Fail, kMissing, false, false},
    OutcomeCase{{"-i", "photo.bmp", "--wm-text=--hello"}, Fail, kMissing, false, false},
    OutcomeCase{{"--profile"}, Fail, kMissing, false, false},
    OutcomeCase{{"--profile="}, Fail, kMissing, false, false},
    OutcomeCase{{"-o"}, Fail, kMissing, false, false},
    OutcomeCase{{"-i", "photo.bmp", "--profile=/nonexistent/profile.ini"}, Fail, "Error: Invalid profile file", false, false},
    // The pause switch counts only when it was read before the error; quiet never hides the error.
    OutcomeCase{{"-p", "-q", "-i"}, Fail, kMissing, true, true},
    OutcomeCase{{"-i", "-p"}, Fail, kMissing, false, false},
    OutcomeCase{{"--gamma", "-p"}, Fail, kMissing, false, false}));

TEST(CommandLine, InputOutputAndConversionReachTheJobWithTheirCase) {
  for (const Parameters& parameters : {Parameters{"-i", "Pics/A.BMP", "-O", "Out/Dir", "-c", "png", "-d"},
                                       Parameters{"--INPUT=Pics/A.BMP", "--output=Out/Dir", "--Conversion=png", "--debug"}}) {
    job.runKeyword = "T";
    EXPECT_EQ(CommandLine(parameters).Apply().action, CommandLineAction::RunConsole);
    EXPECT_EQ(job.inputRoot, "Pics/A.BMP");
    EXPECT_EQ(job.outputFolder, "Out/Dir");
    EXPECT_EQ(job.outputExtension, "png");
    EXPECT_EQ(job.runKeyword, "DEBUG");
    EXPECT_EQ(job.consoleMode, 1);
  }
}

TEST(CommandLine, StartsFromAFreshJobAndTheConsoleDefault) {
  ResetSettings(DefaultSet::Window);
  job.outputFolder = "stale/";
  job.runKeyword = "DEBUG";
  CommandLine({"-i", "photo.bmp"}).Apply();
  EXPECT_EQ(settings.keepAspectRatio, 0);
  EXPECT_EQ(job.outputFolder, "");
  EXPECT_EQ(job.runKeyword, "");
}

TEST(CommandLine, WithoutParametersNothingIsTouched) {
  ResetSettings(DefaultSet::Window);
  settings.imageWidth = 1234;
  job.outputFolder = "kept/";
  EXPECT_EQ(CommandLine({}).Apply().action, CommandLineAction::OpenWindow);
  EXPECT_EQ(settings.imageWidth, 1234);
  EXPECT_EQ(settings.keepAspectRatio, 1);
  EXPECT_EQ(job.outputFolder, "kept/");
}

TEST(CommandLine, ALaterOptionOverridesAnEarlierOne) {
  CommandLine({"-i", "a.bmp", "--width=800", "-i", "b.bmp", "--WIDTH=600", "--wm-text=Hi", "--wm-image=logo.png"}).Apply();
  EXPECT_EQ(job.inputRoot, "b.bmp");
  EXPECT_EQ(settings.imageWidth, 600);
  EXPECT_EQ(settings.doWatermark, 2);
  CommandLine({"--wm-image=logo.png", "--wm-text=Hi"}).Apply();
  EXPECT_EQ(settings.doWatermark, 1);
  EXPECT_EQ(settings.image, "logo.png");
}

TEST(CommandLine, OptionsBeforeAnErrorStayAppliedAndNoneAfterIt) {
  const CommandLineOutcome outcome = CommandLine({"--width=800", "-i", "a.bmp", "--height", "--contrast=5"}).Apply();
  EXPECT_EQ(outcome.action, CommandLineAction::ReportError);
  EXPECT_EQ(settings.imageWidth, 800);
  EXPECT_EQ(job.inputRoot, "a.bmp");
  EXPECT_EQ(settings.doImageColorCorrection, 0);
}

TEST(CommandLine, UnknownOptionsAndStrayWordsAreIgnored) {
  const CommandLineOutcome outcome =
      CommandLine({"--sharpen=3", "stray", "-x", "-i", "a.bmp", "extra", "--wm-solid-opacity=9"}).Apply();
  EXPECT_EQ(outcome.action, CommandLineAction::RunConsole);
  EXPECT_EQ(settings.solidOpacity, 255);
}

}  // namespace
