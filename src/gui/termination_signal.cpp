#include "gui/termination_signal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int wakeUpFd = -1;
struct sigaction previous {};

// Only async-signal-safe work here: one byte into the pipe that the event loop watches.
void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = write(wakeUpFd, &byte, 1);
  errno = saved;
}

}  // namespace

TerminationSignal::TerminationSignal(std::function<void()> onTerminate) {
  if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [fd = pipe_[0], onTerminate] {
    char bytes[16];
    while (read(fd, bytes, sizeof bytes) > 0) {
    }
    onTerminate();
  });
  wakeUpFd = pipe_[1];
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  installed_ = sigaction(SIGTERM, &action, &previous) == 0;
}

TerminationSignal::~TerminationSignal() {
  if (installed_) sigaction(SIGTERM, &previous, nullptr);
  wakeUpFd = -1;
  notifier_.reset();
  for (const int fd : pipe_)
    if (fd >= 0) close(fd);
}
