#include "settings/config_numbers.h"

#include "platform/text_case.h"
#include "platform/text_trim.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <locale.h>
#include <stdlib.h>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at the start of `text`: sign, digits with an optional point, an
// optional exponent; 0 when there is none.
size_t DecimalLength(std::string_view text) {
  size_t i = 0;
  auto digits = [&] {
    const size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i - start;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return 0;
  const size_t beforeExponent = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return beforeExponent;
  }
  return i;
}

// The process locale may use a decimal comma (the window toolkit adopts the user's locale); the
// file always uses a point.
locale_t PointLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  return c;
}

}  // namespace

int32_t ReadConfigInteger(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  int64_t value = 0;
  for (const char c : text) {
    if (!IsDigit(c)) break;
    // Stop growing once past the 32-bit range: the clamp below gives the same result.
    if (value <= kMax + 1) value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  return static_cast<int32_t>(std::clamp(value, kMin, kMax));
}

float ReadConfigFloat(std::string_view text) {
  text = TrimBlanks(text);
  if (EqualIgnoringCase(text, "+Infinity")) return std::numeric_limits<float>::infinity();
  if (EqualIgnoringCase(text, "-Infinity")) return -std::numeric_limits<float>::infinity();
  if (EqualIgnoringCase(text, "NaN")) return std::numeric_limits<float>::quiet_NaN();
  const size_t length = DecimalLength(text);
  if (length == 0) return 0.0f;
  const std::string number(text.substr(0, length));
  const double value = strtod_l(number.c_str(), nullptr, PointLocale());
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  if (std::abs(value) > std::numeric_limits<float>::max()) return value > 0 ? kInfinity : -kInfinity;
  return static_cast<float>(value);
}

float ReadWholeFloat(std::string_view text) {
  text = TrimBlanks(text);
  const size_t length = DecimalLength(text);
  return length == 0 || length == text.size() ? ReadConfigFloat(text) : 0.0f;
}

std::string WriteConfigFloat(float value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::fixed, 6);
  return std::string(buffer, written.ptr);
}

std::string SettingValueText(const SettingRow& row) {
  switch (row.kind) {
    case SettingKind::Byte:
    case SettingKind::Int: return std::to_string(SettingInt(row));
    case SettingKind::Float: return WriteConfigFloat(SettingFloat(row));
    case SettingKind::Text:
    case SettingKind::Colour: return SettingText(row);
  }
  return "";
}
