#include "cli/profile.h"

#include "cli/option_table.h"
#include "platform/text_case.h"
#include "platform/text_trim.h"
#include "settings/ini_reader.h"

#include <algorithm>
#include <optional>

namespace {

// Masks are often written in quotes so that their spaces show; the quotes are never part of a name.
std::string WithoutQuotes(std::string_view text) {
  std::string result(text);
  std::erase(result, '"');
  return result;
}

}  // namespace

bool ReadProfile(const std::string& path) {
  if (path.empty()) return false;
  const std::optional<IniFile> file = IniFile::Load(path);
  if (!file) return false;
  const std::vector<IniEntry>* entries = file->Group("CLI");
  if (!entries) return true;

  for (const IniEntry& entry : *entries) {
    const OptionRow* row = FindProfileOption(AsciiUpper(entry.key));
    if (!row) continue;
    const std::string_view value = TrimBlanks(entry.value);
    if (row->target == SettingField{&Settings::filenameMask})
      ApplySettingOption(*row, WithoutQuotes(value));
    else
      ApplySettingOption(*row, value);
  }
  return true;
}
