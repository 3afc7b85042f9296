#include "tests/memory_platform.h"

#include <algorithm>
#include <cstring>

class CMemoryFile : public CFile {
 public:
  CMemoryFile(CMemoryPlatform& platform, std::string strName, bool bWriting)
      : m_platform(platform),
        m_strName(std::move(strName)),
        m_strFullPath(CMemoryPlatform::FullPathOf(m_strName)),
        m_bWriting(bWriting) {
    ++m_platform.m_nOpenFiles;
  }

  ~CMemoryFile() override {
    if (m_bOpen) --m_platform.m_nOpenFiles;
  }

  size_t Read(char* pBuffer, size_t nSize) override {
    if (!m_bOpen || m_bWriting) ++m_platform.m_nMisuses;
    const std::string& strContents = m_platform.m_files[m_strName];
    const size_t nLeft = strContents.size() - std::min(m_nPos, strContents.size());
    const size_t nRead = std::min({nSize, nLeft, m_platform.m_nReadChunk});
    if (m_platform.Log(CMemoryPlatform::Operation::Read, m_strName, nRead)) {
      throw CFileException(m_strFullPath);
    }
    std::memcpy(pBuffer, strContents.data() + m_nPos, nRead);
    m_nPos += nRead;
    return nRead;
  }

  // A failed write writes nothing.
  void Write(const char* pData, size_t nSize) override {
    if (!m_bOpen || !m_bWriting) ++m_platform.m_nMisuses;
    if (m_platform.Log(CMemoryPlatform::Operation::Write, m_strName, nSize)) {
      throw CFileException(m_strFullPath);
    }
    m_platform.m_files[m_strName].append(pData, nSize);
  }

  // The file is closed afterwards even when closing fails.
  void Close() override {
    if (!m_bOpen) return;
    m_bOpen = false;
    --m_platform.m_nOpenFiles;
    if (m_platform.Log(CMemoryPlatform::Operation::Close, m_strName, 0)) {
      throw CFileException(m_strFullPath);
    }
  }

  const std::string& FullPath() const override { return m_strFullPath; }

 private:
  CMemoryPlatform& m_platform;
  const std::string m_strName;
  const std::string m_strFullPath;
  const bool m_bWriting;
  bool m_bOpen = true;
  size_t m_nPos = 0;
};

bool CMemoryPlatform::Log(Operation nKind, const std::string& strName, size_t nSize) {
  m_operations.push_back({nKind, strName, nSize});
  const size_t nNumber = m_operations.size();
  return m_nFailAt > 0 && (m_bFailLater ? nNumber >= m_nFailAt : nNumber == m_nFailAt);
}

std::unique_ptr<CFile> CMemoryPlatform::OpenForReading(const std::string& strName) {
  if (Log(Operation::Open, strName, 0) || m_files.count(strName) == 0) {
    throw CFileException(strName);
  }
  return std::make_unique<CMemoryFile>(*this, strName, false);
}

// A failed open leaves an existing file as it was.
std::unique_ptr<CFile> CMemoryPlatform::OpenForWriting(const std::string& strName) {
  if (Log(Operation::Open, strName, 0)) throw CFileException(strName);
  m_files[strName].clear();
  return std::make_unique<CMemoryFile>(*this, strName, true);
}
