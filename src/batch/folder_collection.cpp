#include "batch/folder_collection.h"

#include "batch/add_file.h"
#include "platform/file_status.h"
#include "settings/settings.h"

#include <dirent.h>
#include <memory>
#include <set>
#include <string_view>
#include <sys/stat.h>
#include <utility>

namespace {

// Folders already entered, by device and inode: a link back up the tree must not send the scan
// round for ever, nor collect the same files again under longer paths.
using Visited = std::set<std::pair<dev_t, ino_t>>;

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};
using Dir = std::unique_ptr<DIR, DirCloser>;

bool Enter(const std::string& folder, Visited& visited) {
  struct stat st {};
  return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && visited.insert({st.st_dev, st.st_ino}).second;
}

bool IsDotEntry(const char* name) { return std::string_view(name) == "." || std::string_view(name) == ".."; }

int Scan(const std::string& folder, Visited& visited);

// One entry of a folder: a subfolder is scanned whole, anything else offered as a file.
int Collect(const std::string& folder, const char* name, Visited& visited) {
  const std::string path = folder + name;
  return IsFolder(path) ? Scan(path + "/", visited) : AddFile(path) ? 1 : 0;
}

int Scan(const std::string& folder, Visited& visited) {
  if (!Enter(folder, visited)) return 0;
  const Dir dir(opendir(folder.c_str()));
  if (!dir) return 0;
  int added = 0;
  while (const dirent* entry = readdir(dir.get()))
    if (!IsDotEntry(entry->d_name)) added += Collect(folder, entry->d_name, visited);
  return added;
}

}  // namespace

int ScanFolder(const std::string& folder) {
  Visited visited;
  return Scan(folder, visited);
}

void FolderCollectionTask(BatchProgress& progress) {
  const std::string& root = job.inputRoot;
  Visited visited;
  int added = 0;
  if (Enter(root, visited)) {
    if (const Dir dir{opendir(root.c_str())}) {
      int seen = 0;
      while (progress.running) {
        const dirent* entry = readdir(dir.get());
        if (!entry) break;
        if (IsDotEntry(entry->d_name)) continue;
        {
          std::lock_guard guard(progress.lock);
          progress.currentIndex = ++seen;
        }
        added += Collect(root, entry->d_name, visited);
      }
    }
  }
  std::lock_guard guard(progress.lock);
  progress.total += added;
}
