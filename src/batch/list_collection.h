#pragma once
// Every path named in a list file into the input list.
#include "batch/batch_progress.h"

// Reads the list file at the job's source path, one path per line with spaces trimmed at both ends.
// Blank lines, lines naming nothing that exists and lines that are not text are skipped; a folder
// is collected with all its subfolders, a file is added. A relative path is taken against the
// current folder. Checks the running flag between lines and adds the number of entries to the total.
void ListCollectionTask(BatchProgress& progress);
