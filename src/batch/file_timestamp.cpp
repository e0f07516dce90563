#include "batch/file_timestamp.h"

#include <fcntl.h>
#include <sys/stat.h>

std::time_t LocalSecondsToUtc(int64_t localSeconds) {
  // Read the count as a wall-clock date, then ask which moment showed that date here; the offset
  // then follows daylight saving time at that date, not today's.
  const std::time_t asUtc = static_cast<std::time_t>(localSeconds);
  std::tm date{};
  gmtime_r(&asUtc, &date);
  date.tm_isdst = -1;
  return mktime(&date);
}

bool SetModificationTime(const std::string& path, std::time_t utc) {
  const timespec times[2] = {{0, UTIME_OMIT}, {utc, 0}};
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

bool CopyModificationTime(const std::string& source, const std::string& target) {
  struct stat st {};
  return stat(source.c_str(), &st) == 0 && SetModificationTime(target, st.st_mtime);
}
