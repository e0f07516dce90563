#include "platform/synced_write.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool WriteWholeFileSynced(const std::string& path, const void* data, size_t size) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const auto* bytes = static_cast<const char*>(data);
  bool ok = true;
  while (ok && size > 0) {
    const ssize_t n = write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) {
      bytes += n;
      size -= static_cast<size_t>(n);
    }
  }
  ok = ok && fsync(fd) == 0;
  return close(fd) == 0 && ok;
}
