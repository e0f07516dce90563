#include "platform/file_status.h"

#include <sys/stat.h>

namespace {

bool Stat(const std::string& path, struct stat* st) { return stat(path.c_str(), st) == 0; }

}  // namespace

bool IsFolder(const std::string& path) {
  struct stat st {};
  return Stat(path, &st) && S_ISDIR(st.st_mode);
}

bool IsNonEmptyFile(const std::string& path) {
  struct stat st {};
  return Stat(path, &st) && S_ISREG(st.st_mode) && st.st_size > 0;
}

bool IsEmptyFile(const std::string& path) {
  struct stat st {};
  return Stat(path, &st) && !S_ISDIR(st.st_mode) && st.st_size == 0;
}
