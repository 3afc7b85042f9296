#include "platform/file_win32.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "platform/wide_string_win32.h"

namespace {

class CWin32File : public CFile {
 public:
  CWin32File(HANDLE hFile, std::string strFullPath) : m_hFile(hFile), m_strFullPath(std::move(strFullPath)) {}

  ~CWin32File() override {
    if (m_hFile != INVALID_HANDLE_VALUE) CloseHandle(m_hFile);
  }

  size_t Read(char* pBuffer, size_t nSize) override {
    DWORD nRead = 0;
    const DWORD nWanted = static_cast<DWORD>(std::min<size_t>(nSize, 1u << 30));
    if (!ReadFile(m_hFile, pBuffer, nWanted, &nRead, nullptr)) {
      // A pipe whose writer has gone is the end of its input.
      if (GetLastError() == ERROR_BROKEN_PIPE) return 0;
      throw CFileException(m_strFullPath);
    }
    return nRead;
  }

  void Write(const char* pData, size_t nSize) override {
    while (nSize > 0) {
      DWORD nWritten = 0;
      const DWORD nChunk = static_cast<DWORD>(std::min<size_t>(nSize, 1u << 30));
      if (!WriteFile(m_hFile, pData, nChunk, &nWritten, nullptr) || nWritten == 0) {
        throw CFileException(m_strFullPath);
      }
      pData += nWritten;
      nSize -= nWritten;
    }
  }

  void Close() override {
    if (m_hFile == INVALID_HANDLE_VALUE) return;
    HANDLE hFile = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    if (!CloseHandle(hFile)) throw CFileException(m_strFullPath);
  }

  const std::string& FullPath() const override { return m_strFullPath; }

 private:
  HANDLE m_hFile;
  std::string m_strFullPath;
};

HANDLE OpenExclusive(const std::string& strName, DWORD nAccess, DWORD nDisposition) {
  return CreateFileW(Widen(strName).c_str(), nAccess, 0, nullptr, nDisposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

std::string FullPathName(const std::string& strName) {
  const std::wstring strWide = Widen(strName);
  const DWORD nNeeded = GetFullPathNameW(strWide.c_str(), 0, nullptr, nullptr);
  if (nNeeded == 0) return strName;
  std::wstring strFull(nNeeded, L'\0');
  const DWORD nLength = GetFullPathNameW(strWide.c_str(), nNeeded, strFull.data(), nullptr);
  if (nLength == 0 || nLength >= nNeeded) return strName;
  strFull.resize(nLength);
  return Narrow(strFull);
}

std::unique_ptr<CFile> OpenWin32FileForReading(const std::string& strName) {
  HANDLE hFile = OpenExclusive(strName, GENERIC_READ, OPEN_EXISTING);
  if (hFile == INVALID_HANDLE_VALUE) throw CFileException(strName);
  return std::make_unique<CWin32File>(hFile, FullPathName(strName));
}

std::unique_ptr<CFile> OpenWin32FileForWriting(const std::string& strName) {
  // Opened without emptying, and emptied only once the exclusive open has
  // succeeded, so that a file held by another process is left as it was.
  // Only a disk file has a length to empty: a device is written as it is.
  HANDLE hFile = OpenExclusive(strName, GENERIC_WRITE, OPEN_ALWAYS);
  if (hFile == INVALID_HANDLE_VALUE) throw CFileException(strName);
  if (GetFileType(hFile) == FILE_TYPE_DISK && !SetEndOfFile(hFile)) {
    CloseHandle(hFile);
    throw CFileException(strName);
  }
  return std::make_unique<CWin32File>(hFile, FullPathName(strName));
}
