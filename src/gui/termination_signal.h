#pragma once
// SIGTERM is how a desktop session asks its programs to end (log out, shut down): while this object
// lives, it reaches the event loop as a call of `onTerminate`, so that the window mode ends as if
// the user had closed the window, settings saved.
#include <functional>
#include <memory>

class QSocketNotifier;

class TerminationSignal {
public:
  explicit TerminationSignal(std::function<void()> onTerminate);
  ~TerminationSignal();  // puts the previous handling of SIGTERM back
  TerminationSignal(const TerminationSignal&) = delete;
  TerminationSignal& operator=(const TerminationSignal&) = delete;

private:
  int pipe_[2] = {-1, -1};
  bool installed_ = false;
  std::unique_ptr<QSocketNotifier> notifier_;
};
