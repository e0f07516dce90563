#pragma once
// One source file into the input list, if it is a non-empty file with an accepted extension.
#include <string>

// True when a new entry was made. A missing path is not refused here (a file named on the command
// line is taken as given, and fails when it is converted); an empty file is. The entry's subfolder is
// taken against the job's input root.
bool AddFile(const std::string& path);

// The folder part of `path` with every occurrence of `root` removed, when `root` occurs in it;
// otherwise, or when either is empty, the empty text. "/in/" and "/in/a/b/x.bmp" give "a/b/".
std::string RelativeSubfolder(const std::string& path, const std::string& root);
