#pragma once

#include <string>
#include <string_view>

class CFile;

// Writes lines, each followed by CR LF, through one large buffer.
class CLineWriter {
 public:
  static constexpr size_t kBufferSize = 256 * 1024;

  // `nBufferSize` is at least 1.
  explicit CLineWriter(CFile& file, size_t nBufferSize = kBufferSize);

  // Write errors throw the file's CFileException.
  void WriteLine(std::string_view text);

  // Writes what the buffer holds. After a failed write nothing more is
  // written: the buffer is dropped.
  void Flush();

  bool Failed() const { return m_bFailed; }

 private:
  void Write(std::string_view data);

  CFile& m_file;
  const size_t m_nBufferSize;
  std::string m_strBuffer;
  bool m_bFailed = false;
};
