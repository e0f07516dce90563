#pragma once
#include <string>

// Only one copy of the program runs at a time. The guard is a lock file named after `name` in the
// user's runtime folder ($XDG_RUNTIME_DIR, else the temp folder), held with flock() for the life
// of the process; the system drops it when the process ends, however it ends.
// True when this process now holds the guard; false when another copy does (or the file cannot
// be made).
bool AcquireInstanceLock(const std::string& name);
void ReleaseInstanceLock();
