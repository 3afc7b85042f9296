#include "run/background_write.h"

#include <system_error>
#include <utility>

#include "platform/file.h"

CBackgroundWrite::~CBackgroundWrite() {
  {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_bPending; });
    m_bStop = true;
  }
  m_changed.notify_all();
  if (m_thread.joinable()) m_thread.join();
}

void CBackgroundWrite::Start(const char* pData, size_t nSize) {
  if (!m_thread.joinable()) {
    try {
      m_thread = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
      m_file.Write(pData, nSize);  // no thread to be had: write it now
      return;
    }
  }
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pData = pData;
    m_nSize = nSize;
    m_bPending = true;
  }
  m_changed.notify_all();
}

void CBackgroundWrite::Wait() {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_changed.wait(lock, [this] { return !m_bPending; });
  if (m_error) std::rethrow_exception(std::exchange(m_error, nullptr));
}

void CBackgroundWrite::Run() {
  std::unique_lock<std::mutex> lock(m_mutex);
  for (;;) {
    m_changed.wait(lock, [this] { return m_bPending || m_bStop; });
    if (!m_bPending) return;  // stopped
    lock.unlock();
    std::exception_ptr error;
    try {
      m_file.Write(m_pData, m_nSize);
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    m_error = error;
    m_bPending = false;
    m_changed.notify_all();
  }
}
