#pragma once
// Converts the file named by the job's source path into the job's target path, with the output
// format, depth and flags the front end put into the job. True when the output file was written.
// Runs on the worker thread; reads settings and the job without locking, since neither changes
// while a run is active.
bool ConvertCurrentFile();
