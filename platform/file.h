#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>

// A failed file operation. It carries the file's name as the message shows
// it: the bare name when opening failed, the full path otherwise.
class CFileException : public std::runtime_error {
 public:
  explicit CFileException(const std::string& strFileName)
      : std::runtime_error(strFileName), m_strFileName(strFileName) {}

  const std::string& FileName() const { return m_strFileName; }

 private:
  std::string m_strFileName;
};

// A file open for exclusive use: no other process can open it until it is
// closed. Every failure throws a CFileException carrying FullPath().
class CFile {
 public:
  virtual ~CFile() = default;

  // Reads up to `nSize` bytes into `pBuffer`; returns 0 at the end of the file.
  virtual size_t Read(char* pBuffer, size_t nSize) = 0;

  // Writes all `nSize` bytes.
  virtual void Write(const char* pData, size_t nSize) = 0;

  // Closes the file; it is closed afterwards even when this throws, and
  // closing it again does nothing.
  virtual void Close() = 0;

  virtual const std::string& FullPath() const = 0;
};
