#pragma once

#include <string>

// A fresh, empty directory for one test, made the current directory while
// the object lives, and removed afterwards.
class CScratchDir {
 public:
  CScratchDir();
  ~CScratchDir();
  CScratchDir(const CScratchDir&) = delete;
  CScratchDir& operator=(const CScratchDir&) = delete;

  const std::string& Path() const { return m_strPath; }

 private:
  std::string m_strPath;
  std::string m_strPrevious;
};

void WriteFile(const std::string& strPath, const std::string& strContents);
std::string ReadFile(const std::string& strPath);
bool FileExists(const std::string& strPath);
