#include "texts/language_table.h"

#include <algorithm>
#include <memory>

namespace {

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

// The index slot of a key: its first character's code, 0 for the empty key.
unsigned char Initial(std::string_view key) {
  return key.empty() ? 0 : static_cast<unsigned char>(key.front());
}

std::unique_ptr<const LanguageTable>& ProgramTable() {
  static std::unique_ptr<const LanguageTable> table;
  return table;
}

}  // namespace

LanguageTable::LanguageTable(std::span<const TextPair> list) {
  groups_.emplace_back();
  entries_.emplace_back();
  for (const TextPair& pair : list) {
    const std::string first = UpperCase(pair.first);
    if (first == EndMarker) break;
    if (first == GroupMarker) {
      Group group;
      group.name = UpperCase(pair.second);
      group.first = static_cast<uint32_t>(entries_.size());
      groups_.push_back(std::move(group));
    } else {
      entries_.push_back({first, std::string(pair.second)});
    }
    groups_.back().last = static_cast<uint32_t>(entries_.size() - 1);
  }
  groups_.front() = Group{};  // keys before the first group stay unreachable

  for (size_t g = 1; g < groups_.size(); ++g) {
    Group& group = groups_[g];
    if (group.last < group.first) continue;
    // Ordinal order of key, then text: the order of "KEY\x01text", since \x01 sorts below any
    // character of a key. A lookup walks forward from the initial and stops once keys pass its own.
    std::sort(entries_.begin() + group.first, entries_.begin() + group.last + 1,
              [](const Entry& a, const Entry& b) {
                return a.key != b.key ? a.key < b.key : a.text < b.text;
              });
    int previousInitial = -1;
    for (uint32_t i = group.first; i <= group.last; ++i) {
      const unsigned char initial = Initial(entries_[i].key);
      if (initial != previousInitial) group.index[initial] = i;
      previousInitial = initial;
    }
  }
}

uint32_t LanguageTable::GroupNumber(const std::string& upperGroup) const {
  const uint32_t cached = cachedGroup_.load(std::memory_order_relaxed);
  if (cached != 0 && groups_[cached].name == upperGroup) return cached;
  uint32_t found = 0;
  for (uint32_t g = 1; g < groups_.size(); ++g) {
    if (groups_[g].name == upperGroup) {
      found = g;
      break;
    }
  }
  cachedGroup_.store(found, std::memory_order_relaxed);
  return found;
}

std::string_view LanguageTable::Find(std::string_view group, std::string_view key) const {
  if (key.empty()) return NoStringText;
  const uint32_t number = GroupNumber(UpperCase(group));
  if (number == 0) return NoStringText;
  const Group& found = groups_[number];
  const std::string upperKey = UpperCase(key);
  for (uint32_t i = found.index[Initial(upperKey)]; i != 0 && i <= found.last; ++i) {
    const int order = upperKey.compare(entries_[i].key);
    if (order == 0) return entries_[i].text;
    if (order < 0) break;
  }
  return NoStringText;
}

void LoadLanguageTable() {
  auto& table = ProgramTable();
  if (!table) table = std::make_unique<const LanguageTable>(BuiltInTexts());
}

std::string LangText(std::string_view group, std::string_view key) {
  const auto& table = ProgramTable();
  return std::string(table ? table->Find(group, key) : NoStringText);
}
