#pragma once
// The console: lines on standard output, the terminal's title and the key wait.
#include <string_view>

// One line of UTF-8 text, ended by "\n" and flushed, written in one piece so that lines from
// different threads never interleave.
void WriteConsoleLine(std::string_view text);

// The xterm title sequence, written only when standard output is a terminal.
void SetConsoleTitle(std::string_view title);

// Returns after one key that produces a character; keys that send an escape sequence (arrows,
// function keys) do not count, keys typed before the call do. Returns at once when standard input
// is not a terminal or reaches its end. The terminal's settings are restored on every return.
void WaitForKey();
