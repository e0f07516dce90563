#pragma once
// One case for every option that sets a setting: the option as written on the command line, the
// setting it must reach and the value it must leave there, shown as config.ini would hold it.
#include "settings/settings_table.h"

#include <span>
#include <string>

struct OptionCase {
  const char* parameter;  // "--NAME=value" or a bare flag
  const char* section;
  const char* key;
  const char* expected;
  const char* switchKey = nullptr;  // a second setting of the same section the option turns on
  int switchValue = 1;
};

std::span<const OptionCase> OptionCases();

// The setting's current value: numbers in decimal, gamma as config.ini writes it, texts as they are.
std::string Shown(const SettingRow& row);
const SettingRow& Row(const char* section, const char* key);
