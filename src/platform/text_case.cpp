#include "platform/text_case.h"

#include <algorithm>

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
  return lower;
}

std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
  return upper;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string ReplaceIgnoringCase(std::string_view text, std::string_view what, std::string_view with) {
  const std::string lowerText = AsciiLower(text);
  const std::string lowerWhat = AsciiLower(what);
  std::string result;
  size_t from = 0;
  for (size_t at; !lowerWhat.empty() && (at = lowerText.find(lowerWhat, from)) != std::string::npos;
       from = at + what.size()) {
    result.append(text.substr(from, at - from));
    result.append(with);
  }
  result.append(text.substr(from));
  return result;
}
