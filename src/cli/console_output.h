#pragma once
// Everything the console mode writes besides its status lines: the banner, the version and help
// texts, the pause at exit, and the template filler that every message uses. All lines go to
// standard output through WriteConsoleLine; a blank line holds one space.
#include <string>
#include <string_view>

// Fills "%s1%" to "%s4%" (case ignored) with the arguments in turn, each replacing every occurrence
// in the text built so far; an empty argument leaves its placeholder standing.
std::string FormatTemplate(std::string_view text, std::string_view s1 = {}, std::string_view s2 = {},
                           std::string_view s3 = {}, std::string_view s4 = {});

// The end of a run with the pause switch: the prompt "Press any key to exit." when asked for, then
// the key wait.
void PauseAtExit(bool withPrompt);

// Program title, the maker's notice with "(c)" for "©", the maker's web address and a blank line.
void PrintBanner();
// Sets the console title, then prints the version: "2.5".
void PrintVersion();
// Sets the console title, then prints the usage, examples and options.
void PrintHelp();
