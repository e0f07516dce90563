#pragma once
// The reading side of our INI-style files (config.ini, profiles): group lines, key lines and
// comments, decoded to UTF-8. Values come back as written; what a value means is the caller's.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct IniEntry {
  std::string key;    // up to the first "=", trailing spaces and tabs removed
  std::string value;  // after the "=", leading spaces and tabs skipped; empty when there is no "="
};

class IniFile {
public:
  // Files beyond this size are not read at all: no configuration or profile comes near it, and
  // reading a runaway file would only hold the program up.
  static constexpr size_t kMaxBytes = 64u << 20;

  // Bytes with the UTF-8 byte-order mark are UTF-8; any others are Latin-1, one byte per character.
  // Lines end with CR, LF or CR LF.
  static IniFile Parse(std::string_view bytes);
  // Empty when the path is not a regular file that can be read, or is larger than kMaxBytes.
  static std::optional<IniFile> Load(const std::string& path);

  // The entries of the first group with this name (case ignored), in file order; null when the file
  // has no such group. Later groups of the same name are not looked at.
  const std::vector<IniEntry>* Group(std::string_view name) const;
  // The first value of `key` (case ignored) in that group; empty when the group or key is missing.
  std::optional<std::string_view> Value(std::string_view group, std::string_view key) const;

private:
  std::vector<std::vector<IniEntry>> groups_;                  // in file order
  std::unordered_map<std::string, size_t> groupByFoldedName_;  // the first group of each name
};

// Latin-1 bytes as UTF-8 text.
std::string Latin1ToUtf8(std::string_view bytes);
