#include "batch/list_collection.h"

#include "batch/add_file.h"
#include "batch/folder_collection.h"
#include "batch/list_text.h"
#include "platform/mapped_file.h"
#include "platform/paths.h"
#include "platform/text_trim.h"
#include "settings/settings.h"

#include <string>
#include <sys/stat.h>

namespace {

// Entries are kept under full paths, so that the same file named twice, once relatively, is listed
// once.
std::string FullPath(const std::string& path, const std::string& currentFolder) {
  if (path.starts_with('/') || currentFolder.empty()) return path;
  return currentFolder + (path.starts_with("./") ? path.substr(2) : path);
}

}  // namespace

void ListCollectionTask(BatchProgress& progress) {
  int added = 0;
  const MappedFile file(job.sourcePath);
  if (file.Ok()) {
    const std::string currentFolder = CurrentFolder();
    int counted = 0;
    for (const auto& line : ListTextLines(file.Data(), file.Size())) {
      if (!progress.running) break;
      if (!line) continue;
      const std::string text(TrimSpaces(*line));
      if (text.empty()) continue;
      const std::string path = FullPath(text, currentFolder);
      // A missing path is skipped before it is counted as an item.
      struct stat st {};
      if (stat(path.c_str(), &st) != 0) continue;
      {
        std::lock_guard guard(progress.lock);
        progress.currentIndex = ++counted;
      }
      if (S_ISDIR(st.st_mode)) added += ScanFolder(path.ends_with('/') ? path : path + "/");
      else added += AddFile(path) ? 1 : 0;
    }
  }
  std::lock_guard guard(progress.lock);
  progress.total += added;
}
