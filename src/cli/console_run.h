#pragma once
// The console conversion: the checks of paths and settings in their fixed order (stopping at the
// first with its one error line), the debug report, the import, the conversion and the outcome
// lines. Settings and the job hold what the command line gave.

// The exit status of the run: 0 when every imported file converted, 1 after an error line or when
// nothing converted, 2 when some but not all files converted.
int ConsoleRun(bool quiet);
