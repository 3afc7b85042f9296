#pragma once

#include <cstring>
#include <memory>
#include <string_view>

#include "run/background_task.h"
#include "run/byte_buffer.h"

class CFile;

// Writes lines, each followed by CR LF, through one large buffer. A line
// never spans two writes, so that a failed write never leaves a line without
// its end. In the background, the full buffer is written by a thread of its
// own while a second one fills; a failed write then shows at a later call or
// at Flush, and nothing is written after it either way.
class CLineWriter {
 public:
  static constexpr size_t kBufferSize = 256 * 1024;

  // `nBufferSize` is at least 2, room for one line end.
  CLineWriter(CFile& file, size_t nBufferSize = kBufferSize, bool bInBackground = false);

  // Write errors throw the file's CFileException. A line that fits in the
  // buffer, nearly every line, is taken inline.
  void WriteLine(std::string_view text) {
    if (m_nUsed + text.size() + 2 > m_buffer.size()) {
      WriteLineAfterHandOff(text);
      return;
    }
    std::memcpy(m_buffer.data() + m_nUsed, text.data(), text.size());
    m_nUsed += text.size();
    m_buffer[m_nUsed++] = '\r';
    m_buffer[m_nUsed++] = '\n';
  }

  // Writes bytes as they are: whole lines with their line ends.
  void WriteAsRead(std::string_view bytes);

  // Writes everything given so far, and waits until it is written.
  void Flush();

  bool Failed() const { return m_bFailed; }

 private:
  void WriteLineAfterHandOff(std::string_view text);
  // Has what the buffer holds written: now, or in the background.
  void HandOff();
  // Writes what the buffer holds now, on this thread.
  void WriteBuffer();
  // A line longer than the buffer, with its line end, in one write.
  void WriteLongLine(std::string_view line);
  void WaitForBackground();
  void Write(std::string_view data);

  CFile& m_file;
  CByteBuffer m_buffer;
  CByteBuffer m_spare;  // the buffer being written in the background
  size_t m_nUsed = 0;
  bool m_bFailed = false;
  std::unique_ptr<CBackgroundTask> m_pBackground;
};
