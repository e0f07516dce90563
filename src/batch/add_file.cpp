#include "batch/add_file.h"

#include "batch/input_list.h"
#include "platform/file_status.h"
#include "settings/format_tables.h"
#include "settings/settings.h"

namespace {

std::string ExtensionOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return path.substr(dot + 1);
}

}  // namespace

bool AddFile(const std::string& path) {
  if (IsEmptyFile(path) || !ExtensionIsAccepted(ExtensionOf(path))) return false;
  return inputList.Add(path, RelativeSubfolder(path, job.inputRoot));
}

std::string RelativeSubfolder(const std::string& path, const std::string& root) {
  if (path.empty() || root.empty()) return "";
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return "";
  std::string folder = path.substr(0, slash + 1);
  if (folder.find(root) == std::string::npos) return "";
  for (size_t at = 0; (at = folder.find(root, at)) != std::string::npos;) folder.erase(at, root.size());
  return folder;
}
