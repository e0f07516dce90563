#pragma once
#include <string>

// Makes sure `outputFolder` + `relativeSubfolder` exists, creating each missing level of the
// subfolder in turn ("a/", then "a/b/"). Creation errors are left to the write that follows.
void MakeOutputSubfolder(const std::string& outputFolder, const std::string& relativeSubfolder);
