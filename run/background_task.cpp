#include "run/background_task.h"

#include <system_error>
#include <utility>

CBackgroundTask::~CBackgroundTask() {
  {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_bPending; });
    m_bStop = true;
  }
  m_changed.notify_all();
  if (m_thread.joinable()) m_thread.join();
}

void CBackgroundTask::Start(std::function<void()> task) {
  if (!m_thread.joinable()) {
    try {
      m_thread = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
      task();  // no thread to be had: do it now
      return;
    }
  }
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_task = std::move(task);
    m_bPending = true;
  }
  m_changed.notify_all();
}

void CBackgroundTask::Wait() {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_changed.wait(lock, [this] { return !m_bPending; });
  if (m_error) std::rethrow_exception(std::exchange(m_error, nullptr));
}

void CBackgroundTask::Run() {
  std::unique_lock<std::mutex> lock(m_mutex);
  for (;;) {
    m_changed.wait(lock, [this] { return m_bPending || m_bStop; });
    if (!m_bPending) return;  // stopped
    const std::function<void()> task = std::move(m_task);
    lock.unlock();
    std::exception_ptr error;
    try {
      task();
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    m_error = error;
    m_bPending = false;
    m_changed.notify_all();
  }
}
