#pragma once
// What a background task (a collection or the conversion worker) and the front end that started it
// share, and the start, follow, stop and end protocol around it.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

struct BatchProgress {
  std::mutex lock;  // guards currentIndex, currentFile and total
  int32_t currentIndex = 0;  // item being worked on, from 1
  std::string currentFile;   // source being converted (worker only)
  int32_t total = 0;         // entries added, or files converted
  // Written by the front end under the lock, read by the task between its items without it.
  std::atomic<bool> running = false;
};

struct ProgressSnapshot {
  int32_t currentIndex = 0;
  std::string currentFile;
};

// One task on its own thread. Only one lives at a time; a front end starts it, follows or waits for
// it, and may ask it to stop between items. Destroying a task that still runs stops it and waits.
class BackgroundTask {
public:
  using Body = std::function<void(BatchProgress&)>;

  BackgroundTask() = default;
  ~BackgroundTask();
  BackgroundTask(const BackgroundTask&) = delete;
  BackgroundTask& operator=(const BackgroundTask&) = delete;

  // Index 0, no file, total 0, running; then the thread. False while an earlier task still runs.
  bool Start(Body body);
  // False once the body has returned.
  bool Alive() const { return alive_; }
  ProgressSnapshot Follow();
  // The task ends after the item it is working on.
  void Stop();
  // Waits for the thread to end and gives the task's total.
  int32_t Wait();

private:
  BatchProgress progress_;
  std::thread thread_;
  std::atomic<bool> alive_ = false;
};
