#pragma once

#include <string>
#include <vector>

// The recent-file list: a fixed number of slots, the most recent first. An
// empty slot holds the empty string; slots keep their places as stored.
class CRecentFileList {
 public:
  explicit CRecentFileList(int nSize = 0) : m_strEntries(static_cast<size_t>(nSize)) {}

  int Size() const { return static_cast<int>(m_strEntries.size()); }
  const std::string& operator[](int nIndex) const { return m_strEntries[static_cast<size_t>(nIndex)]; }
  std::string& operator[](int nIndex) { return m_strEntries[static_cast<size_t>(nIndex)]; }

  // Puts `strPath` in the first slot. An entry naming the same file (paths
  // compare without regard to ASCII case, as the file system does) moves up
  // from its place; otherwise the last slot falls off.
  void Add(const std::string& strPath);

 private:
  std::vector<std::string> m_strEntries;
};
