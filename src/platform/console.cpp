#include "platform/console.h"

#include <cerrno>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // a closed or full output loses the text, never the run
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

}  // namespace

void WriteConsoleLine(std::string_view text) {
  std::string line(text);
  line += '\n';
  WriteAll(STDOUT_FILENO, line);
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

