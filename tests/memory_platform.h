#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

// A platform whose files are strings in memory. Every file operation (open,
// read, write, close, on any file) is numbered from 1 and logged; the one
// numbered m_nFailAt fails the way the system's would (and with
// m_bFailLater every one after it too, as on a disk that has gone), and the
// operations after it are logged as well, so that a test can see what the
// pass did next.
class CMemoryPlatform : public CPlatform {
 public:
  enum class Operation { Open, Read, Write, Close };

  struct COperation {
    Operation nKind;
    std::string strName;  // the file's name as the pass opened it
    size_t nSize;         // bytes read or written; 0 for open and close
  };

  // What a file's full path looks like here.
  static std::string FullPathOf(const std::string& strName) { return "/memory/" + strName; }

  std::unique_ptr<CFile> OpenForReading(const std::string& strName) override;
  std::unique_ptr<CFile> OpenForWriting(const std::string& strName) override;
  void ShowError(const std::string& strText) override { m_messages.push_back(strText); }
  void ShowInfo(const std::string& strText) override { m_infos.push_back(strText); }

  // Whether the operation numbered m_nFailAt was reached (and failed).
  bool FaultReached() const { return m_nFailAt > 0 && m_operations.size() >= m_nFailAt; }

  std::map<std::string, std::string> m_files;  // name -> contents
  size_t m_nFailAt = 0;                        // 0: nothing fails
  bool m_bFailLater = false;
  size_t m_nReadChunk = static_cast<size_t>(-1);  // at most this many bytes per read
  std::vector<COperation> m_operations;
  std::vector<std::string> m_messages;
  std::vector<std::string> m_infos;
  int m_nOpenFiles = 0;
  int m_nMisuses = 0;  // reads or writes on closed files

 private:
  friend class CMemoryFile;

  // Logs an operation; true when it is the one that fails.
  bool Log(Operation nKind, const std::string& strName, size_t nSize);
};
