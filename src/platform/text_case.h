#pragma once
// Case changes and comparisons of the ASCII letters in UTF-8 text; other characters stay as they
// are, as file names, keys and option words need.
#include <string>
#include <string_view>

std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);
