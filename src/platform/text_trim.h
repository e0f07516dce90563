#pragma once
// Trimming as the program's texts need it: parameters, list lines and folder fields lose spaces
// only; values in INI files lose spaces and tabs.
#include <string_view>

std::string_view TrimSpaces(std::string_view text);
std::string_view TrimBlanks(std::string_view text);
