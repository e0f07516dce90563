#include "platform/paths.h"

#include <climits>
#include <unistd.h>

namespace {

std::string ProgramPath() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

}  // namespace

std::string ProgramFolder() {
  const std::string path = ProgramPath();
  return path.substr(0, path.find_last_of('/') + 1);
}

std::string ProgramFileName() {
  std::string name = ProgramPath();
  if (name.empty()) return "vantorel";
  name.erase(0, name.rfind('/') + 1);
  if (const size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

std::string CurrentFolder() {
  char buffer[PATH_MAX];
  if (!getcwd(buffer, sizeof buffer)) return "";
  const std::string folder(buffer);
  return folder.ends_with('/') ? folder : folder + "/";
}
