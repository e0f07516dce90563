#include "platform/app_data_folder.h"

#include "platform/text_trim.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  const passwd* user = getpwuid(getuid());
  return user && user->pw_dir ? user->pw_dir : "";
}

// Creates `path` and its missing parents; a failure shows later as a folder that is not there.
void MakeFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
    mkdir(path.substr(0, slash).c_str(), 0700);
  mkdir(path.c_str(), 0700);
}

}  // namespace

std::string UserConfigHome() {
  // Relative values are ignored, as the XDG base directory rules ask.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder(TrimSpaces(config ? config : ""));
  if (!folder.starts_with('/')) {
    const std::string home(TrimSpaces(HomeFolder()));
    folder = home.empty() ? "" : home + "/.config";
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder == "/" ? "" : folder;
}

std::string AppDataFolder(const std::string& maker, const std::string& program) {
  std::string path = UserConfigHome() + "/";
  for (const std::string& name : {maker, program}) {
    path += name + "/";
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) MakeFolders(path.substr(0, path.size() - 1));
  }
  return path;
}
