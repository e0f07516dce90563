#include "cli/std_streams.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

RedirectedStream::RedirectedStream(int stream, int replacement) : stream_(stream), saved_(dup(stream)) {
  std::fflush(nullptr);
  dup2(replacement, stream_);
}

RedirectedStream::~RedirectedStream() {
  dup2(saved_, stream_);
  close(saved_);
}

std::string CaptureStdout(const std::function<void()>& action) {
  FILE* file = std::tmpfile();
  if (!file) return "(no temporary file)";
  {
    const RedirectedStream redirect(STDOUT_FILENO, fileno(file));
    action();
  }
  std::string bytes;
  std::rewind(file);
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) bytes += static_cast<char>(c);
  std::fclose(file);
  return bytes;
}

PseudoTerminal::PseudoTerminal() {
  primary_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (primary_ < 0 || grantpt(primary_) != 0 || unlockpt(primary_) != 0) return;
  if (const char* name = ptsname(primary_)) secondary_ = open(name, O_RDWR | O_NOCTTY);
}

PseudoTerminal::~PseudoTerminal() {
  if (secondary_ >= 0) close(secondary_);
  if (primary_ >= 0) close(primary_);
}

void PseudoTerminal::Type(const std::string& keys) const {
  if (write(primary_, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size())) return;
}

std::string PseudoTerminal::Screen() const {
  std::string bytes;
  pollfd wanted{primary_, POLLIN, 0};
  char buffer[256];
  while (poll(&wanted, 1, 200) > 0) {
    const ssize_t n = read(primary_, buffer, sizeof buffer);
    if (n <= 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  return bytes;
}

bool PseudoTerminal::WaitForRawMode() const {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (std::chrono::steady_clock::now() < deadline) {
    termios now{};
    if (tcgetattr(secondary_, &now) == 0 && (now.c_lflag & ICANON) == 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}
