#include "platform/instance_lock.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

int lockFile = -1;

std::string LockPath(const std::string& name) {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
    return std::string(runtime) + "/" + name + ".lock";
  // The temp folder is shared by every user: the user id keeps one user's copy from blocking another's.
  const char* tmp = std::getenv("TMPDIR");
  return std::string(tmp && *tmp ? tmp : "/tmp") + "/" + name + "-" + std::to_string(getuid()) + ".lock";
}

}  // namespace

bool AcquireInstanceLock(const std::string& name) {
  if (lockFile >= 0) return true;
  const int fd = open(LockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  lockFile = fd;
  return true;
}

void ReleaseInstanceLock() {
  if (lockFile < 0) return;
  close(lockFile);
  lockFile = -1;
}
