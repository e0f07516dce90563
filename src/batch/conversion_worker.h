#pragma once
// The conversion of every entry of the input list, in the order the entries were added.
#include "batch/batch_progress.h"

// Body of the worker's task. For each entry, while running: the entry's paths into the job, the
// output subfolder when subfolders are kept, the pipeline; after a success a new random number, the
// next sequence number and the modification time "File Timestamp" asks for. In a console run with
// the keyword "DEBUG" every file prints "Processing: ", "Saving As: " and "OK" or "Not OK". The total
// is the number of files converted.
void ConversionWorker(BatchProgress& progress);
