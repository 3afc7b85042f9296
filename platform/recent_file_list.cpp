#include "platform/recent_file_list.h"

#include <algorithm>

namespace {

bool SamePath(const std::string& a, const std::string& b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

void CRecentFileList::Add(const std::string& strPath) {
  if (m_strEntries.empty() || strPath.empty()) return;
  auto it = std::find_if(m_strEntries.begin(), m_strEntries.end(),
                         [&](const std::string& strEntry) { return SamePath(strEntry, strPath); });
  if (it == m_strEntries.end()) it = m_strEntries.end() - 1;
  std::rotate(m_strEntries.begin(), it, it + 1);
  m_strEntries.front() = strPath;
}
