#include "settings/config_file.h"

#include "platform/replacing_file.h"
#include "platform/synced_write.h"
#include "platform/text_case.h"
#include "platform/text_trim.h"
#include "settings/config_numbers.h"
#include "settings/format_tables.h"
#include "settings/ini_reader.h"
#include "settings/settings_table.h"

#include <climits>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

// The layout this program writes; "CFG" of a loaded file tells which migrations it still needs.
constexpr int32_t kLayoutVersion = 17;

template <typename T>
bool RowHolds(const SettingRow& row, T Settings::*field) {
  const auto held = std::get_if<T Settings::*>(&row.field);
  return held && *held == field;
}

void ReadSetting(const IniFile& file, const SettingRow& row) {
  const std::optional<std::string_view> value = file.Value(row.section, row.key);
  if (!value) return ApplyFileDefault(row);
  switch (row.kind) {
    case SettingKind::Byte:
    case SettingKind::Int: SetSettingInt(row, ReadConfigInteger(*value)); break;
    case SettingKind::Float: SetSettingFloat(row, ReadConfigFloat(*value)); break;
    case SettingKind::Text:
    case SettingKind::Colour: SetSettingText(row, std::string(TrimBlanks(*value))); break;
  }
}

std::string WrittenValue(const SettingRow& row) {
  return RowHolds(row, &Settings::cfg) ? std::to_string(kLayoutVersion) : SettingValueText(row);
}

// "PNG BPP" → "png": the format whose option the row is.
std::string OptionFormat(const SettingRow& row) {
  const std::string_view key = row.key;
  return AsciiLower(key.substr(0, key.find(' ')));
}

// The Format row of a format section, then the options of each listed format in the list's order:
// options of formats the program does not list are kept in memory but not written.
std::vector<const SettingRow*> FormatSectionRows(std::span<const SettingRow* const> section,
                                                 const std::vector<std::string>& formats) {
  std::vector<const SettingRow*> rows;
  for (const SettingRow* row : section)
    if (RowHolds(*row, &Settings::inputFormat) || RowHolds(*row, &Settings::outputFormat)) rows.push_back(row);
  for (const std::string& format : formats)
    for (const SettingRow* row : section)
      if (OptionFormat(*row) == format) rows.push_back(row);
  return rows;
}

std::vector<std::string> InputFormatList() {
  const auto formats = InputFormats();
  return {formats.begin(), formats.end()};
}

std::vector<std::string> OutputFormatList() {
  std::vector<std::string> list;
  for (const OutputFormat& format : OutputFormats()) list.emplace_back(format.extension);
  return list;
}

// The rows a section writes, in order.
std::vector<const SettingRow*> WrittenRows(std::string_view section, std::span<const SettingRow* const> rows) {
  if (section == "Window" && settings.saveWindowPosition != 1) return {};
  if (section == "Input") return FormatSectionRows(rows, InputFormatList());
  if (section == "Output") return FormatSectionRows(rows, OutputFormatList());
  return {rows.begin(), rows.end()};
}

std::string ConfigurationText() {
  std::string text = "\xEF\xBB\xBF\r\n";
  const auto all = SettingRows();
  for (auto first = all.begin(); first != all.end();) {
    const std::string_view section = first->section;
    std::vector<const SettingRow*> rows;
    for (; first != all.end() && first->section == section; ++first) rows.push_back(&*first);
    text += "[" + std::string(section) + "]\r\n";
    for (const SettingRow* row : WrittenRows(section, rows)) text += std::string(row->key) + " = " + WrittenValue(*row) + "\r\n";
    text += "; \r\n";
  }
  return text;
}

// Where the file really lives: a config.ini that is a link to a file kept elsewhere stays a link.
std::string ResolvedTarget(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

}  // namespace

void LoadConfiguration(const std::string& path) {
  if (const std::optional<IniFile> file = IniFile::Load(path)) {
    for (const SettingRow& row : SettingRows()) ReadSetting(*file, row);
  } else {
    ResetSettings(DefaultSet::Window);
  }
  MigrateConfiguration();
}

void MigrateConfiguration() {
  if (settings.cfg < 11 && settings.filenameMask.find("%ext%") == std::string::npos) settings.filenameMask += ".%ext%";
  // Clamped like every number read from the file, rather than overflowing.
  constexpr int32_t kLargest = std::numeric_limits<int32_t>::max();
  if (settings.cfg < 14 && settings.rawLoadAs != 0)
    settings.rawLoadAs = settings.rawLoadAs > kLargest - 2 ? kLargest : settings.rawLoadAs + 2;
}

bool SaveConfiguration(const std::string& path) {
  const std::string text = ConfigurationText();
  ReplacingFile file(ResolvedTarget(path));
  return file.Ok() && WriteWholeFileSynced(file.TemporaryPath(), text.data(), text.size()) && file.Commit();
}
