#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/file.h"

// A file held in memory, so that the benchmarks of the reader and the writer
// measure their own work and no system call.
class CMemoryFile : public CFile {
 public:
  explicit CMemoryFile(std::string_view strContents = {}) : m_strContents(strContents) {}

  size_t Read(char* pBuffer, size_t nSize) override {
    const size_t n = std::min(nSize, m_strContents.size() - m_nPos);
    std::memcpy(pBuffer, m_strContents.data() + m_nPos, n);
    m_nPos += n;
    return n;
  }

  // Keeps only the count: the benchmarks need no copy of what is written.
  void Write(const char*, size_t nSize) override { m_nWritten += nSize; }

  void Close() override {}

  const std::string& FullPath() const override { return m_strPath; }

  void Rewind() { m_nPos = 0; }
  size_t Written() const { return m_nWritten; }

 private:
  std::string_view m_strContents;
  size_t m_nPos = 0;
  size_t m_nWritten = 0;
  const std::string m_strPath = "memory";
};
