#include "cli/console_output.h"

#include "app/program.h"
#include "platform/console.h"
#include "platform/paths.h"
#include "platform/text_case.h"
#include "settings/format_tables.h"
#include "texts/maker.h"

#include <array>
#include <random>

namespace {

std::string_view RandomInputFormat() {
  static std::mt19937 generator{std::random_device{}()};
  const auto formats = InputFormats();
  if (formats.empty()) return {};
  std::uniform_int_distribution<size_t> pick(0, formats.size() - 1);
  return formats[pick(generator)];
}

std::string_view FirstOutputExtension() {
  const auto formats = OutputFormats();
  return formats.empty() ? std::string_view{} : formats.front().extension;
}

// What a help line's "%s2%" stands for.
enum class HelpArgument { None, RandomInputFormat, FirstOutputExtension };

struct HelpLine {
  std::string_view text;  // "%s1%" is the program's file name
  HelpArgument argument = HelpArgument::None;
};

constexpr HelpLine HelpLines[] = {
    {" "},
    {"Usage: %s1% -i <filename> [options]"},
    {" "},
    {"  %s1% -i example.%s2%", HelpArgument::RandomInputFormat},
    {"  %s1% -i /home/user/Pictures/example.%s2%", HelpArgument::RandomInputFormat},
    {"  %s1% -i /home/user/Pictures/example.%s2% -o /home/user/converted", HelpArgument::RandomInputFormat},
    {"  %s1% -i /home/user/Pictures/filelist.txt"},
    {"  %s1% -i /home/user/Pictures/ -o /home/user/converted --jpg-quality=95"},
    {"  %s1% -i /home/user/Pictures/ -o /home/user/converted -c %s2% --jpg-quality=95",
     HelpArgument::FirstOutputExtension},
    {" "},
    {"Options:"},
    {" "},
    {"  -h, -?, --help            Display this help and exit"},
    {"  -i FILE, --input=FILE     Set input file/list/folder"},
    {"  -o PATH, --output=PATH    Set output folder"},
    {"  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)"},
    {" "},
    {"Advanced options:"},
    {" "},
    {"  --width=NUM               Set output image width"},
    {"  --height=NUM              Set output image height"},
    {"  --filename-mask=STR       Define output filename format"},
    {"  --flip-horizontal         Flip output image horizontally"},
    {"  --flip-vertical           Flip output image vertically"},
    {"  --brightness=NUM          Set output image brightness, NUM = -100..100"},
    {"  --contrast=NUM            Set output image contrast, NUM = -100..100"},
    {"  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99"},
    {"  --invert                  Invert output image"},
    {"  --greyscale               Greyscale output image"},
    {"  --profile=FILE            Set configuration file with required settings"},
    {"    ...                     Refer documentation for all available options"},
    {" "},
    {"Other options:"},
    {" "},
    {"  -q, --quiet               Don't print status messages to stdout"},
    {"  -d, --debug               Print debug information to stdout"},
    {"  -p, --pause               Pause at exit"},
    {"  -v, --version             Display version information and exit"},
};

std::string_view HelpValue(HelpArgument argument) {
  switch (argument) {
    case HelpArgument::None: return {};
    case HelpArgument::RandomInputFormat: return RandomInputFormat();
    case HelpArgument::FirstOutputExtension: return FirstOutputExtension();
  }
  return {};
}

}  // namespace

std::string FormatTemplate(std::string_view text, std::string_view s1, std::string_view s2, std::string_view s3,
                           std::string_view s4) {
  std::string result(text);
  const std::array<std::string_view, 4> arguments{s1, s2, s3, s4};
  const std::array<std::string_view, 4> placeholders{"%s1%", "%s2%", "%s3%", "%s4%"};
  for (size_t k = 0; k < arguments.size(); ++k) {
    if (!arguments[k].empty()) result = ReplaceIgnoringCase(result, placeholders[k], arguments[k]);
  }
  return result;
}

void PauseAtExit(bool withPrompt) {
  if (withPrompt) WriteConsoleLine("Press any key to exit.");
  WaitForKey();
}

void PrintBanner() {
  WriteConsoleLine(ProgramTitle());
  const std::string notice = ReplaceIgnoringCase(MakerNotice, "©", "(c)");
  WriteConsoleLine(notice);
  WriteConsoleLine(MakerWebAddress);
  WriteConsoleLine(" ");
}

void PrintVersion() {
  SetConsoleTitle(ProgramTitle());
  WriteConsoleLine(VersionText(VersionNumber));
}

void PrintHelp() {
  SetConsoleTitle(ProgramTitle());
  const std::string name = ProgramFileName();
  for (const HelpLine& line : HelpLines) {
    WriteConsoleLine(FormatTemplate(line.text, name, HelpValue(line.argument)));
  }
}
