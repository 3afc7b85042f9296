#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>

class CFile;

// One write at a time to a file, done by a thread of its own so that the
// system's copying of the bytes overlaps the caller's work. The bytes handed
// to Start must stay as they are until Wait returns.
class CBackgroundWrite {
 public:
  explicit CBackgroundWrite(CFile& file) : m_file(file) {}
  ~CBackgroundWrite();

  CBackgroundWrite(const CBackgroundWrite&) = delete;
  CBackgroundWrite& operator=(const CBackgroundWrite&) = delete;

  // Starts writing the bytes; the write before must have been waited for.
  // Without a thread (none could be started) the write is done at once.
  void Start(const char* pData, size_t nSize);

  // Waits for the write in progress, if any; throws what it threw.
  void Wait();

 private:
  void Run();

  CFile& m_file;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  const char* m_pData = nullptr;
  size_t m_nSize = 0;
  bool m_bPending = false;  // handed over and not yet written
  bool m_bStop = false;
  std::exception_ptr m_error;
  std::thread m_thread;  // started with the first write
};
