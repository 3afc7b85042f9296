#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "run/background_task.h"
#include "run/byte_buffer.h"

class CFile;

// Reads the lines of a file through one large buffer. A line ends at a line
// feed, which is not part of it, and a carriage return just before the line
// feed goes with it; any other carriage return is an ordinary byte. A byte
// 0x1A ends the input. The bytes after the last line feed form a last line.
class CLineReader {
 public:
  static constexpr size_t kBufferSize = 256 * 1024;

  // `nBufferSize` is at least 1. In the background, the next buffer is read
  // by a thread of its own while the lines of this one are taken; a failed
  // read shows when its bytes are needed, as it would otherwise.
  CLineReader(CFile& file, size_t nBufferSize = kBufferSize, bool bInBackground = false);

  // The next line, valid until the next call; false at the end of the input.
  // Read errors throw the file's CFileException.
  bool ReadLine(std::string_view& line) { return ReadBufferedLine(line) || ReadLineAcrossBuffers(line); }

  // The two halves of ReadLine. ReadBufferedLine takes a line that lies whole
  // in the buffer, nearly every line, inline; it reads nothing from the file,
  // so the lines it gives stay valid until ReadLineAcrossBuffers is called,
  // which fills the buffer again.
  bool ReadBufferedLine(std::string_view& line) {
    if (m_nPos < m_nEnd) {
      const char* pStart = m_buffer.data() + m_nPos;
      if (const void* pFeed = std::memchr(pStart, '\n', m_nEnd - m_nPos)) {
        const size_t nLength = static_cast<size_t>(static_cast<const char*>(pFeed) - pStart);
        m_nPos += nLength + 1;
        m_lastAsRead = std::string_view(pStart, nLength + 1);
        line = WithoutCarriageReturn(std::string_view(pStart, nLength));
        return true;
      }
    }
    return false;
  }
  bool ReadLineAcrossBuffers(std::string_view& line);

  // The last line read by ReadBufferedLine with the line feed that ended it,
  // its bytes as they are in the file; empty after ReadLineAcrossBuffers.
  std::string_view LastLineAsRead() const { return m_lastAsRead; }

 private:
  static std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

  bool Fill();
  // The bytes of the next read, in m_buffer.
  size_t ReadNext();

  CFile& m_file;
  CByteBuffer m_buffer;
  size_t m_nPos = 0;
  size_t m_nEnd = 0;
  bool m_bInputEnded = false;  // end of file or a 0x1A: nothing more is read
  std::string m_strLong;       // a line that runs past the end of the buffer
  std::string_view m_lastAsRead;
  CByteBuffer m_spare;      // the buffer being read in the background
  size_t m_nReadAhead = 0;  // what that read gave
  bool m_bReadingAhead = false;
  std::unique_ptr<CBackgroundTask> m_pBackground;  // last: it ends before the buffers do
};
