#pragma once
// The one description of every setting: section, key, kind, default and the field that holds it.
// The configuration file, profiles, options, the debug report and the preferences read this table
// instead of naming keys again.
#include "settings/settings.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

enum class SettingKind { Byte, Int, Float, Text, Colour };

// Defaults that are not a fixed value.
enum class DefaultRule {
  Fixed,          // the row's text
  Now,            // the current date and time in seconds
  CentredX,       // (desktop width − 510) / 2 when the desktop is wider than 510, else 100
  CentredY,       // (desktop height − 330) / 2 when the desktop is taller than 330, else 100
  WindowOnly,     // the row's text in the window default, 0 in the console default
};

using SettingField = std::variant<int8_t Settings::*, int32_t Settings::*, float Settings::*,
                                  std::string Settings::*>;

struct SettingRow {
  const char* section;
  const char* key;
  SettingKind kind;
  SettingField field;
  const char* defaultValue;  // as it would stand in the configuration file
  DefaultRule rule = DefaultRule::Fixed;
  // Taken when the key is missing from an existing configuration file, where that differs from the
  // window default; null means the window default.
  const char* fileDefault = nullptr;
};

// Every setting, grouped by section in the order the configuration file writes them. Input and
// Output options are named after their format: the key's first word is the format's extension in
// upper case ("RAW Header Size", "PNG BPP").
std::span<const SettingRow> SettingRows();

// The row of a key in a section, both compared without regard to case; null when there is none.
const SettingRow* FindSetting(std::string_view section, std::string_view key);

// Field access through a row. Integer kinds read as int32_t; storing into an 8-bit field keeps the
// low 8 bits, as a signed byte. Text access on a number field gives an empty text.
int32_t SettingInt(const SettingRow& row);
void SetSettingInt(const SettingRow& row, int32_t value);
float SettingFloat(const SettingRow& row);
void SetSettingFloat(const SettingRow& row, float value);
const std::string& SettingText(const SettingRow& row);
void SetSettingText(const SettingRow& row, std::string value);

// The row's default in the given set, written into its field.
void ApplyDefault(const SettingRow& row, DefaultSet set);
// The row's default for a key missing from an existing configuration file.
void ApplyFileDefault(const SettingRow& row);

// Size of the desktop used by the window-position defaults; the window layer installs a provider.
// Without one (console mode) the size is 0 × 0 and the positions default to 100.
struct DesktopSize {
  int width = 0;
  int height = 0;
};
void SetDesktopSizeProvider(DesktopSize (*provider)());
