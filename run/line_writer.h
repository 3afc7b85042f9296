#pragma once

#include <cstring>
#include <string_view>
#include <vector>

class CFile;

// Writes lines, each followed by CR LF, through one large buffer.
class CLineWriter {
 public:
  static constexpr size_t kBufferSize = 256 * 1024;

  // `nBufferSize` is at least 2, room for one line end.
  explicit CLineWriter(CFile& file, size_t nBufferSize = kBufferSize);

  // Write errors throw the file's CFileException. A line that fits in the
  // buffer, nearly every line, is taken inline.
  void WriteLine(std::string_view text) {
    if (m_nUsed + text.size() + 2 > m_buffer.size()) {
      WriteLineAfterFlush(text);
      return;
    }
    std::memcpy(m_buffer.data() + m_nUsed, text.data(), text.size());
    m_nUsed += text.size();
    m_buffer[m_nUsed++] = '\r';
    m_buffer[m_nUsed++] = '\n';
  }

  // Writes bytes as they are: whole lines with their line ends. A run of at
  // least half a buffer goes out in a write of its own, without a copy.
  void WriteAsRead(std::string_view bytes);

  // Writes what the buffer holds. After a failed write nothing more is
  // written: the buffer is dropped.
  void Flush();

  bool Failed() const { return m_bFailed; }

 private:
  void WriteLineAfterFlush(std::string_view text);
  void Write(std::string_view data);

  CFile& m_file;
  std::vector<char> m_buffer;
  size_t m_nUsed = 0;
  bool m_bFailed = false;
};
