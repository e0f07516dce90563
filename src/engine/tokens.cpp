#include "engine/tokens.h"

#include "platform/text_case.h"
#include "settings/settings.h"

#include <ctime>
#include <functional>

namespace {

std::string Title(std::string_view text) {
  std::string title = AsciiLower(text);
  if (!title.empty()) title[0] = AsciiUpper(title.substr(0, 1))[0];
  return title;
}

// Five digits: shorter numbers get leading zeros, longer ones keep their first five digits.
std::string FiveDigits(int number) {
  std::string digits = std::to_string(number);
  if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
  return digits.substr(0, 5);
}

std::string TwoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

std::tm LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

struct Token {
  const char* name;
  std::function<std::string()> value;
};

// The fixed order of expansion.
const Token kTokens[] = {
    {"%filename%", [] { return SourceBaseName(job.sourcePath); }},
    {"%filename[u]%", [] { return AsciiUpper(SourceBaseName(job.sourcePath)); }},
    {"%filename[l]%", [] { return AsciiLower(SourceBaseName(job.sourcePath)); }},
    {"%filename[t]%", [] { return Title(SourceBaseName(job.sourcePath)); }},
    {"%ext%", [] { return job.outputExtension; }},
    {"%ext[u]%", [] { return AsciiUpper(job.outputExtension); }},
    {"%ext[t]%", [] { return Title(job.outputExtension); }},
    {"%yyyy%", [] { return std::to_string(LocalNow().tm_year + 1900); }},
    {"%mm%", [] { return TwoDigits(LocalNow().tm_mon + 1); }},
    {"%dd%", [] { return TwoDigits(LocalNow().tm_mday); }},
    {"%hh%", [] { return TwoDigits(LocalNow().tm_hour); }},
    {"%ii%", [] { return TwoDigits(LocalNow().tm_min); }},
    {"%ss%", [] { return TwoDigits(LocalNow().tm_sec); }},
    {"%bpp%", [] { return std::to_string(job.outputBitDepth); }},
    {"%width%", [] { return std::to_string(job.width); }},
    {"%height%", [] { return std::to_string(job.height); }},
    {"%rnd%", [] { return FiveDigits(job.randomNumber); }},
    {"%n%", [] { return FiveDigits(job.sequenceNumber); }},
};

}  // namespace

std::string ExpandToken(std::string_view text, std::string_view token, std::string_view value) {
  return ReplaceIgnoringCase(text, token, value);
}

std::string ExpandTokens(std::string_view text) {
  std::string expanded(text);
  for (const Token& token : kTokens)
    if (AsciiLower(expanded).find(token.name) != std::string::npos) expanded = ExpandToken(expanded, token.name, token.value());
  return expanded;
}

std::string SourceBaseName(std::string_view sourcePath) {
  const size_t slash = sourcePath.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? sourcePath : sourcePath.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}
