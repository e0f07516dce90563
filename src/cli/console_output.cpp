#include "cli/console_output.h"

#include "app/program.h"
#include "platform/console.h"
#include "platform/text_case.h"
#include "settings/format_tables.h"
#include "texts/maker.h"

#include <array>
#include <cerrno>
#include <climits>
#include <poll.h>
#include <random>
#include <termios.h>
#include <unistd.h>

namespace {

void ReplaceIgnoringCase(std::string& text, std::string_view placeholder, std::string_view value) {
  for (size_t at = 0; at + placeholder.size() <= text.size();) {
    if (EqualIgnoringCase(std::string_view(text).substr(at, placeholder.size()), placeholder)) {
      text.replace(at, placeholder.size(), value);
      at += value.size();  // a placeholder inside the value is left for a later argument
    } else {
      ++at;
    }
  }
}

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

// Raw mode for the length of one key wait; the caller's settings come back on every path. Output
// processing is left alone, so that lines written meanwhile still end where they should.
class RawTerminal {
public:
  explicit RawTerminal(int fd) : fd_(fd) {
    if (tcgetattr(fd_, &saved_) != 0) return;
    termios raw = saved_;
    cfmakeraw(&raw);
    raw.c_oflag = saved_.c_oflag;
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    // TCSANOW, not TCSAFLUSH: keys typed before the wait are pending and count.
    active_ = tcsetattr(fd_, TCSANOW, &raw) == 0;
  }
  ~RawTerminal() {
    if (active_) tcsetattr(fd_, TCSANOW, &saved_);
  }
  RawTerminal(const RawTerminal&) = delete;
  RawTerminal& operator=(const RawTerminal&) = delete;
  bool Active() const { return active_; }

private:
  int fd_;
  termios saved_{};
  bool active_ = false;
};

enum class ReadResult { Byte, Timeout, Closed };

// One byte, waiting at most `timeoutMs` (-1: for ever).
ReadResult ReadByte(int fd, int timeoutMs, unsigned char& byte) {
  pollfd wanted{fd, POLLIN, 0};
  for (;;) {
    const int ready = poll(&wanted, 1, timeoutMs);
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) return ReadResult::Timeout;
    if (ready < 0) return ReadResult::Closed;
    const ssize_t n = read(fd, &byte, 1);
    if (n < 0 && errno == EINTR) continue;
    return n == 1 ? ReadResult::Byte : ReadResult::Closed;
  }
}

// A terminal sends a key without a character (an arrow, a function key) as an escape sequence,
// and the Escape key as a lone escape byte. The rest of a sequence follows the escape at once.
constexpr int SequenceGapMs = 50;

enum class KeyKind { Character, NoCharacter, Closed };

// The key after an escape byte: a lone escape or Alt with a key produce characters; CSI ("[")
// and SS3 ("O") sequences do not, and are read to their final byte.
KeyKind AfterEscape(int fd) {
  unsigned char byte = 0;
  switch (ReadByte(fd, SequenceGapMs, byte)) {
    case ReadResult::Closed: return KeyKind::Closed;
    case ReadResult::Timeout: return KeyKind::Character;
    case ReadResult::Byte: break;
  }
  if (byte == 'O') {
    return ReadByte(fd, SequenceGapMs, byte) == ReadResult::Closed ? KeyKind::Closed : KeyKind::NoCharacter;
  }
  if (byte != '[') return KeyKind::Character;
  for (;;) {
    const ReadResult result = ReadByte(fd, SequenceGapMs, byte);
    if (result == ReadResult::Closed) return KeyKind::Closed;
    if (result == ReadResult::Timeout || (byte >= 0x40 && byte <= 0x7E)) return KeyKind::NoCharacter;
  }
}

KeyKind ReadKey(int fd) {
  unsigned char byte = 0;
  if (ReadByte(fd, -1, byte) != ReadResult::Byte) return KeyKind::Closed;
  return byte == 0x1B ? AfterEscape(fd) : KeyKind::Character;
}

// The program's file name without its extension, as the help's examples call it.
std::string ProgramFileName() {
  std::array<char, PATH_MAX> buffer{};
  const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) return "vantorel";
  std::string name(buffer.data(), static_cast<size_t>(n));
  name.erase(0, name.rfind('/') + 1);
  if (const size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

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
    if (!arguments[k].empty()) ReplaceIgnoringCase(result, placeholders[k], arguments[k]);
  }
  return result;
}

void SetConsoleTitle(std::string_view title) {
  if (!isatty(STDOUT_FILENO)) return;
  std::string sequence = "\x1b]0;";
  sequence += title;
  sequence += '\a';
  WriteAll(STDOUT_FILENO, sequence);
}

void WaitForKey() {
  if (!isatty(STDIN_FILENO)) return;
  const RawTerminal raw(STDIN_FILENO);
  if (!raw.Active()) return;
  for (;;) {
    const KeyKind key = ReadKey(STDIN_FILENO);
    if (key != KeyKind::NoCharacter) return;
  }
}

void PauseAtExit(bool withPrompt) {
  if (withPrompt) WriteConsoleLine("Press any key to exit.");
  WaitForKey();
}

void PrintBanner() {
  WriteConsoleLine(ProgramTitle());
  std::string notice(MakerNotice);
  ReplaceIgnoringCase(notice, "©", "(c)");
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
