#pragma once
// The words that stand for enumerated setting values on the command line and in profiles, and the
// two lookups over them. Both lookups take the first row that matches, so a list may give several
// words the same value (the shared compression list does) and still print one word per value.
#include "settings/settings_table.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class ValueList {
  DdsLoad,
  RawLoad,
  FrameLoading,
  ToneMapping,
  Compression,
  ColorTable,
  ColorModel,
  Chroma,
  JpegKind,
  RotationType,
  Unit,
  ResizeType,
  ResizeAlgorithm,
  Frame,
  Watermark,
  FontStyle,
  FontEffect,
  Alignment,
  Boundary,
  Position,
  Size,
  Timestamp,
};

struct ValueKeyword {
  std::string_view word;  // upper case
  int32_t value;
};

// The rows of a list in their fixed order.
std::span<const ValueKeyword> ValueKeywords(ValueList list);

// The value of the first row whose word equals `word` upper-cased; 0 when no row does.
int32_t ValueOfWord(ValueList list, std::string_view word);

// The word of the first row holding `value`, in lower case; empty when no row does.
std::string WordOfValue(ValueList list, int32_t value);

// The list whose words name the values of a setting; empty for settings that take numbers or text.
std::optional<ValueList> ValueListOf(const SettingField& field);
