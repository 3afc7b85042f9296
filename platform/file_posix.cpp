#include "platform/file_posix.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace {

std::string FullPathOf(const std::string& strName) {
  if (!strName.empty() && strName[0] == '/') return strName;
  std::string strDir(PATH_MAX, '\0');
  if (getcwd(strDir.data(), strDir.size()) == nullptr) return strName;
  strDir.resize(strDir.find('\0'));
  if (strDir.empty() || strDir.back() != '/') strDir += '/';
  return strDir + strName;
}

class CPosixFile : public CFile {
 public:
  CPosixFile(int fd, std::string strFullPath)
      : m_fd(fd), m_strFullPath(std::move(strFullPath)) {}

  ~CPosixFile() override {
    if (m_fd >= 0) close(m_fd);
  }

  size_t Read(char* pBuffer, size_t nSize) override {
    for (;;) {
      ssize_t n = read(m_fd, pBuffer, nSize);
      if (n >= 0) return static_cast<size_t>(n);
      if (errno != EINTR) throw CFileException(m_strFullPath);
    }
  }

  void Write(const char* pData, size_t nSize) override {
    while (nSize > 0) {
      ssize_t n = write(m_fd, pData, nSize);
      if (n < 0) {
        if (errno == EINTR) continue;
        throw CFileException(m_strFullPath);
      }
      pData += n;
      nSize -= static_cast<size_t>(n);
    }
  }

  void Close() override {
    if (m_fd < 0) return;
    int fd = m_fd;
    m_fd = -1;
    if (close(fd) != 0 && errno != EINTR) throw CFileException(m_strFullPath);
  }

  const std::string& FullPath() const override { return m_strFullPath; }

 private:
  int m_fd;
  std::string m_strFullPath;
};

// Opens `strName` and takes the exclusive lock; -1 when either fails.
int OpenLocked(const std::string& strName, int nFlags) {
  int fd = open(strName.c_str(), nFlags | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

std::unique_ptr<CFile> OpenPosixFileForReading(const std::string& strName) {
  int fd = OpenLocked(strName, O_RDONLY);
  if (fd < 0) throw CFileException(strName);
  return std::make_unique<CPosixFile>(fd, FullPathOf(strName));
}

std::unique_ptr<CFile> OpenPosixFileForWriting(const std::string& strName) {
  // Lock before emptying, so that a file held by another process is left as
  // it was. Only a regular file has a length to empty: a device such as
  // /dev/full is written as it is.
  int fd = OpenLocked(strName, O_WRONLY | O_CREAT);
  if (fd < 0) throw CFileException(strName);
  struct stat st;
  if (fstat(fd, &st) != 0 || (S_ISREG(st.st_mode) && ftruncate(fd, 0) != 0)) {
    close(fd);
    throw CFileException(strName);
  }
  return std::make_unique<CPosixFile>(fd, FullPathOf(strName));
}
