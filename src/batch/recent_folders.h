#pragma once
// The recent output folders: tab-separated in "Recent Out Folders", most recent first, at most
// "Out Folders Number" of them.
#include <string>

// The (index + 1)-th folder, spaces trimmed at both ends; empty when there is none.
std::string RecentOutputFolder(int index);

// Puts `folder` in front and keeps the older folders after it, each once, up to the limit. A folder
// already listed moves to the front. Folders are compared as written, letter case included, since
// "/out/" and "/OUT/" are two folders here. False for an empty folder, which changes nothing.
bool AddRecentOutputFolder(const std::string& folder);
