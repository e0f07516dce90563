#include "settings/ini_reader.h"

#include "platform/text_case.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class Descriptor {
public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }

private:
  int fd_;
};

// The whole file, or nothing when it is not a readable regular file of acceptable size.
std::optional<std::string> ReadSmallFile(const std::string& path) {
  const Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat st {};
  if (file.Get() < 0 || fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  if (static_cast<unsigned long long>(st.st_size) > IniFile::kMaxBytes) return std::nullopt;
  std::string bytes(static_cast<size_t>(st.st_size), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = read(file.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) return std::nullopt;
    if (n == 0) break;  // the file shrank while we read it: keep what there was
    done += static_cast<size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

IniFile IniFile::Parse(std::string_view bytes) {
  std::string decoded;
  if (bytes.starts_with(kUtf8Mark)) {
    bytes.remove_prefix(kUtf8Mark.size());
  } else {
    decoded = Latin1ToUtf8(bytes);
    bytes = decoded;
  }

  IniFile file;
  // Keys before the first group, and keys of a repeated group, belong to no group we look at.
  std::vector<IniEntry>* current = nullptr;
  while (!bytes.empty()) {
    const size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end);
    if (bytes.starts_with("\r\n"))
      bytes.remove_prefix(2);
    else if (!bytes.empty())
      bytes.remove_prefix(1);

    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::string_view name = line.substr(1, line.find(']') - 1);
      const bool added = file.groupByFoldedName_.try_emplace(AsciiLower(name), file.groups_.size()).second;
      current = added ? &file.groups_.emplace_back() : nullptr;
      continue;
    }
    if (!current) continue;
    const size_t equals = line.find('=');
    std::string_view key = line.substr(0, equals);
    while (!key.empty() && IsBlank(key.back())) key.remove_suffix(1);
    std::string_view value = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    current->push_back({std::string(key), std::string(value)});
  }
  return file;
}

std::optional<IniFile> IniFile::Load(const std::string& path) {
  const std::optional<std::string> bytes = ReadSmallFile(path);
  if (!bytes) return std::nullopt;
  return Parse(*bytes);
}

const std::vector<IniEntry>* IniFile::Group(std::string_view name) const {
  const auto found = groupByFoldedName_.find(AsciiLower(name));
  return found == groupByFoldedName_.end() ? nullptr : &groups_[found->second];
}

std::optional<std::string_view> IniFile::Value(std::string_view group, std::string_view key) const {
  const std::vector<IniEntry>* entries = Group(group);
  if (!entries) return std::nullopt;
  for (const IniEntry& entry : *entries)
    if (EqualIgnoringCase(entry.key, key)) return entry.value;
  return std::nullopt;
}
