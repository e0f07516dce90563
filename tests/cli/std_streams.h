#pragma once
// Standard streams swapped for the length of a test, so that the console output can be read back
// byte for byte and the key wait can meet a terminal or a plain file.
#include <functional>
#include <string>

// Puts `replacement` in place of the descriptor `stream` (0, 1) until the end of scope.
class RedirectedStream {
public:
  RedirectedStream(int stream, int replacement);
  ~RedirectedStream();
  RedirectedStream(const RedirectedStream&) = delete;
  RedirectedStream& operator=(const RedirectedStream&) = delete;

private:
  int stream_;
  int saved_;
};

// Everything written to standard output while `action` runs, with standard output a plain file.
std::string CaptureStdout(const std::function<void()>& action);

// A pseudo-terminal pair: what the program sees as its terminal (the secondary side) and the
// keyboard and screen behind it (the primary side).
class PseudoTerminal {
public:
  PseudoTerminal();
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;
  bool Open() const { return primary_ >= 0 && secondary_ >= 0; }
  int Secondary() const { return secondary_; }
  void Type(const std::string& keys) const;
  // What the program wrote to the terminal so far, waiting briefly for it.
  std::string Screen() const;
  // True once the terminal is in non-canonical mode, waiting at most two seconds.
  bool WaitForRawMode() const;

private:
  int primary_ = -1;
  int secondary_ = -1;
};
