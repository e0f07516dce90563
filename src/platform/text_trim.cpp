#include "platform/text_trim.h"

namespace {

std::string_view Trim(std::string_view text, std::string_view characters) {
  const size_t first = text.find_first_not_of(characters);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(characters) - first + 1);
}

}  // namespace

std::string_view TrimSpaces(std::string_view text) { return Trim(text, " "); }
std::string_view TrimBlanks(std::string_view text) { return Trim(text, " \t"); }
