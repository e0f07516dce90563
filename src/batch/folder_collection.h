#pragma once
// Every accepted file of a folder and of all its subfolders into the input list.
#include "batch/batch_progress.h"

#include <string>

// Entries added from `folder` (ending in "/") and every folder below it. Unreadable folders add
// nothing; a folder reached a second time through a link is not entered again.
int ScanFolder(const std::string& folder);

// Collects from the job's input root (ending in "/"), checking the running flag between top-level
// entries; a subfolder being scanned is finished first. Adds the number of entries to the total.
void FolderCollectionTask(BatchProgress& progress);
