#pragma once
// Every option of the command line and every key of a profile, one row each, and how a row's value
// is read and stored. The command line and the profile reader both go through this table, so an
// option behaves the same wherever it is written.
#include "settings/settings_table.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

enum class ValueForm {
  Num,   // lenient integer: see ReadLenientInteger
  Real,  // decimal number with a point, or +Infinity / -Infinity / NaN
  Word,  // a value word of the target setting
  Text,  // as written
  None,  // no value; the row's fixed value is stored
};

// What an option does besides (or instead of) setting a field of Settings.
enum class OptionEffect { Setting, Input, Output, Conversion, Profile, Debug, Quiet, Pause };

// Where a spelling is accepted. The frame's opacity has a profile spelling of its own.
enum class OptionScope { Everywhere, CommandLineOnly, ProfileOnly };

struct OptionRow {
  std::string_view longName;   // upper case, with its "--"
  std::string_view shortName;  // "-I"; empty when the option has none
  ValueForm form = ValueForm::None;
  OptionEffect effect = OptionEffect::Setting;
  OptionScope scope = OptionScope::Everywhere;
  std::optional<SettingField> target;  // the setting written, for OptionEffect::Setting
  int32_t fixedValue = 1;              // what a ValueForm::None row stores in its target
  int8_t Settings::*turnsOn = nullptr;  // a switch the option also sets ("Do Image Resize")
  int8_t turnsOnValue = 1;
};

// All rows, in the order names are matched.
std::span<const OptionRow> OptionRows();

// The row whose long or short name equals `name` (already upper case) on the command line; null
// when the name is unknown there.
const OptionRow* FindCommandLineOption(std::string_view name);
// The row of a profile key (already upper case); null when profiles do not accept it.
const OptionRow* FindProfileOption(std::string_view key);

// Skips leading spaces and tabs, takes an optional sign, then decimal digits, "$" and hexadecimal
// digits, or "%" and binary digits, and stops at the first other character: "50%" is 50, "$1F" is
// 31, "-%101" is -5, "abc" is 0. Values beyond 32 bits are clamped.
int32_t ReadLenientInteger(std::string_view text);

// Stores `value` into the row's target (and its switch) by the row's value form. Only for rows whose
// effect is OptionEffect::Setting.
void ApplySettingOption(const OptionRow& row, std::string_view value);
