#include "platform/console.h"

#include <cerrno>
#include <string>
#include <unistd.h>

void WriteConsoleLine(std::string_view text) {
  std::string line(text);
  line += '\n';
  const char* at = line.data();
  size_t left = line.size();
  while (left > 0) {
    const ssize_t n = write(STDOUT_FILENO, at, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // a closed or full output loses the line, never the run
    at += n;
    left -= static_cast<size_t>(n);
  }
}
