#pragma once
// The modification time of output files. Dates in the settings count seconds since 1970 in local
// time; the file system counts them in UTC.
#include <cstdint>
#include <ctime>
#include <string>

// The UTC time at which the local clock showed `localSeconds`, with the UTC offset in force then.
std::time_t LocalSecondsToUtc(int64_t localSeconds);

// Sets only the last-write time of `path`, to the second. False when the file cannot be changed.
bool SetModificationTime(const std::string& path, std::time_t utc);

// Copies the last-write time of `source` to `target`, to the second.
bool CopyModificationTime(const std::string& source, const std::string& target);
