#pragma once
// Case changes and comparisons of the ASCII letters in UTF-8 text; other characters stay as they
// are, as file names, keys and option words need.
#include <string>
#include <string_view>

std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);
// Every occurrence of `what`, found without regard to case, replaced by `with`; the inserted text is
// not searched again.
std::string ReplaceIgnoringCase(std::string_view text, std::string_view what, std::string_view with);
