#include "platform/paths.h"

#include <climits>
#include <unistd.h>

std::string ProgramFolder() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return "";
  std::string path(buffer, static_cast<size_t>(n));
  return path.substr(0, path.find_last_of('/') + 1);
}

std::string CurrentFolder() {
  char buffer[PATH_MAX];
  if (!getcwd(buffer, sizeof buffer)) return "";
  const std::string folder(buffer);
  return folder.ends_with('/') ? folder : folder + "/";
}
