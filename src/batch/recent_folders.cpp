#include "batch/recent_folders.h"

#include "settings/settings.h"

#include <algorithm>

namespace {

std::string Field(const std::string& list, int index) {
  if (index < 0) return "";
  size_t start = 0;
  for (int i = 0; i < index; ++i) {
    start = list.find('\t', start);
    if (start == std::string::npos) return "";
    ++start;
  }
  const size_t end = list.find('\t', start);
  std::string field = list.substr(start, end == std::string::npos ? std::string::npos : end - start);
  const size_t first = field.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return field.substr(first, field.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string RecentOutputFolder(int index) { return Field(settings.recentOutFolders, index); }

bool AddRecentOutputFolder(const std::string& folder) {
  if (folder.empty()) return false;
  const int limit = settings.outFoldersNumber;
  std::string list = folder;
  int count = 1;
  for (int i = 0; i < limit; ++i) {
    const std::string old = RecentOutputFolder(i);
    if (old.empty() || old == folder) continue;
    if (count + 1 > limit) break;
    list += '\t' + old;
    ++count;
  }
  settings.recentOutFolders = list;
  return true;
}
