#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

// One task at a time, a read or a write, done by a thread of its own so that
// the system's copying of the bytes overlaps the caller's work. The thread
// is started with the first task.
class CBackgroundTask {
 public:
  CBackgroundTask() = default;
  ~CBackgroundTask();  // waits for the task in progress

  CBackgroundTask(const CBackgroundTask&) = delete;
  CBackgroundTask& operator=(const CBackgroundTask&) = delete;

  // Starts the task; the one before must have been waited for. Without a
  // thread (none could be started) the task is done at once.
  void Start(std::function<void()> task);

  // Waits for the task in progress, if any; throws what it threw.
  void Wait();

 private:
  void Run();

  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::function<void()> m_task;
  bool m_bPending = false;  // started and not yet done
  bool m_bStop = false;
  std::exception_ptr m_error;
  std::thread m_thread;
};
