#pragma once
// The console: one line of UTF-8 text on standard output, ended by "\n" and flushed, written in
// one piece so that lines from different threads never interleave.
#include <string_view>

void WriteConsoleLine(std::string_view text);
