#include "batch/output_subfolder.h"

#include "platform/file_status.h"

#include <sys/stat.h>

void MakeOutputSubfolder(const std::string& outputFolder, const std::string& relativeSubfolder) {
  if (IsFolder(outputFolder + relativeSubfolder)) return;
  std::string folder = outputFolder;
  for (size_t start = 0; start < relativeSubfolder.size();) {
    size_t slash = relativeSubfolder.find('/', start);
    if (slash == std::string::npos) slash = relativeSubfolder.size();
    folder += relativeSubfolder.substr(start, slash - start) + "/";
    if (!IsFolder(folder)) mkdir(folder.c_str(), 0777);
    start = slash + 1;
  }
}
