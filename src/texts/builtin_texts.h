#pragma once
// The interface texts built into the program: one ordered list of pairs. A pair whose first text is
// "_GROUP_" opens the group named by its second text, "_END_" ends the list, and every other pair is
// a key and its text in the group opened last.
#include <span>
#include <string_view>

struct TextPair {
  std::string_view first;
  std::string_view second;
};

inline constexpr std::string_view GroupMarker = "_GROUP_";
inline constexpr std::string_view EndMarker = "_END_";

// The English texts: groups "Menu", "General", "Msg", "Dialog", "Preferences", "About",
// "Custom-Converter" and "Uninstall", in this order, ended by the end marker.
std::span<const TextPair> BuiltInTexts();
