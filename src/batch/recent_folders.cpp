#include "batch/recent_folders.h"

#include "platform/text_trim.h"
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
  return std::string(TrimSpaces(std::string_view(list).substr(start, end == std::string::npos ? std::string::npos : end - start)));
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
