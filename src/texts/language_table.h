#pragma once
// Interface texts by group and key. Both are matched without regard to case (ASCII letters); a
// missing group or key, and the empty key, give NoStringText, which is shown where the text would be.
#include "texts/builtin_texts.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view NoStringText = "%NO_STRING_ERROR%";

class LanguageTable {
public:
  // Reads `list` up to its end marker (or its last pair). Keys before the first group marker
  // belong to no group and are never found.
  explicit LanguageTable(std::span<const TextPair> list);
  LanguageTable(const LanguageTable&) = delete;
  LanguageTable& operator=(const LanguageTable&) = delete;

  // Stays valid as long as the table.
  std::string_view Find(std::string_view group, std::string_view key) const;

private:
  struct Group {
    std::string name;  // upper case
    uint32_t first = 1;
    uint32_t last = 0;  // inclusive; last < first for a group without entries
    // Slot c: the first entry whose key starts with the character of code c, 0 for none.
    std::array<uint32_t, 256> index{};
  };
  struct Entry {
    std::string key;  // upper case
    std::string text;
  };

  uint32_t GroupNumber(const std::string& upperGroup) const;

  std::vector<Group> groups_;   // [0] has no name and is never found
  std::vector<Entry> entries_;  // [0] unused
  // Captions of one window come from one group, so the last group found is usually the next one
  // asked for. Atomic so that a lookup from another thread is a miss, never a race.
  mutable std::atomic<uint32_t> cachedGroup_{0};
};

// Builds the program's table from the built-in texts. Called once at start-up in either mode;
// later calls keep the table that exists.
void LoadLanguageTable();

// The text of `key` in `group` from the program's table; NoStringText before LoadLanguageTable.
std::string LangText(std::string_view group, std::string_view key);
