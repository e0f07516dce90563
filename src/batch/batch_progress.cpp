#include "batch/batch_progress.h"

BackgroundTask::~BackgroundTask() {
  if (thread_.joinable()) {
    Stop();
    thread_.join();
  }
}

bool BackgroundTask::Start(Body body) {
  if (alive_) return false;
  if (thread_.joinable()) thread_.join();
  {
    std::lock_guard guard(progress_.lock);
    progress_.currentIndex = 0;
    progress_.currentFile.clear();
    progress_.total = 0;
  }
  progress_.running = true;
  alive_ = true;
  thread_ = std::thread([this, body = std::move(body)] {
    body(progress_);
    alive_ = false;
  });
  return true;
}

ProgressSnapshot BackgroundTask::Follow() {
  std::lock_guard guard(progress_.lock);
  return {progress_.currentIndex, progress_.currentFile};
}

void BackgroundTask::Stop() {
  std::lock_guard guard(progress_.lock);
  progress_.running = false;
}

int32_t BackgroundTask::Wait() {
  if (thread_.joinable()) thread_.join();
  std::lock_guard guard(progress_.lock);
  return progress_.total;
}
