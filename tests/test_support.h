#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

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

// The system's files, read and written as the program does, with the
// messages kept for the test instead of shown.
class CCapturingPlatform : public CPlatform {
 public:
  std::unique_ptr<CFile> OpenForReading(const std::string& strName) override {
    return NativePlatform().OpenForReading(strName);
  }
  std::unique_ptr<CFile> OpenForWriting(const std::string& strName) override {
    return NativePlatform().OpenForWriting(strName);
  }
  bool CanUseFilesInBackground() const override { return NativePlatform().CanUseFilesInBackground(); }
  void ShowError(const std::string& strText) override { m_messages.push_back(strText); }
  void ShowInfo(const std::string&) override {}

  std::vector<std::string> m_messages;
};
