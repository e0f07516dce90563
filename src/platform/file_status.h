#pragma once
// What a path names, as the run's checks and the batch ask it: stat() follows symbolic links, so a
// link to a folder counts as a folder and a link to a file as that file.
#include <string>

bool IsFolder(const std::string& path);
// A regular file holding at least one byte.
bool IsNonEmptyFile(const std::string& path);
// Anything but a folder that exists and holds no bytes.
bool IsEmptyFile(const std::string& path);
