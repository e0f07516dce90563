#pragma once
// Numbers as config.ini holds them: decimal only, read from the start of the value, written so that
// any locale reads them back the same.
#include "settings/settings_table.h"

#include <cstdint>
#include <string>
#include <string_view>

// Leading spaces and tabs, an optional sign, decimal digits; reading stops at the first other
// character. No digits reads as 0. A number beyond 32 bits is clamped to the nearest 32-bit value,
// so that a damaged file gives the largest value rather than an arbitrary one.
int32_t ReadConfigInteger(std::string_view text);

// A decimal number at the start of the text ("1.5", "-2e3", "7 and more"), or one of the words
// "+Infinity", "-Infinity" and "NaN" in any case; anything else reads as 0. A number too large for
// a float is infinity with its sign, one too small is 0.
float ReadConfigFloat(std::string_view text);
// The same, except that the number must be the whole text (spaces and tabs around it aside): an
// option value such as "1,5" is unreadable and gives 0, which the range check then refuses, rather
// than a silent 1.
float ReadWholeFloat(std::string_view text);

// Six decimals ("1.500000"); infinities and NaN as the words above, so that they read back.
std::string WriteConfigFloat(float value);

// A setting's value as config.ini writes it: numbers in decimal, the float with six decimals, texts
// as they are.
std::string SettingValueText(const SettingRow& row);
