#include <windows.h>

#include "platform/file_win32.h"
#include "platform/frame_wnd_win32.h"
#include "platform/wide_string_win32.h"
#include "platform/win_app.h"

// The stored settings live in the registry under HKEY_CURRENT_USER,
// "Software", the registry key, then the program's title: the recent-file
// list in "Recent File List", values "File1" to "File<n>", and the preview
// page count as "PreviewPages" in "Settings".

namespace {

const wchar_t kRecentSection[] = L"Recent File List";
const wchar_t kSettingsSection[] = L"Settings";
const wchar_t kPreviewPages[] = L"PreviewPages";

// An open registry key, closed when it goes.
class CRegKey {
 public:
  CRegKey() = default;
  ~CRegKey() {
    if (m_hKey != nullptr) RegCloseKey(m_hKey);
  }
  CRegKey(const CRegKey&) = delete;
  CRegKey& operator=(const CRegKey&) = delete;

  // Opens the subkey, creating it where it is missing.
  bool Create(HKEY hParent, const std::wstring& strName) {
    return RegCreateKeyExW(hParent, strName.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_hKey,
                           nullptr) == ERROR_SUCCESS;
  }

  HKEY Handle() const { return m_hKey; }

  std::wstring ReadString(const std::wstring& strName) const {
    DWORD nType = 0;
    DWORD nBytes = 0;
    if (RegQueryValueExW(m_hKey, strName.c_str(), nullptr, &nType, nullptr, &nBytes) != ERROR_SUCCESS ||
        nType != REG_SZ) {
      return std::wstring();
    }
    std::wstring strValue(nBytes / sizeof(wchar_t) + 1, L'\0');
    nBytes = static_cast<DWORD>(strValue.size() * sizeof(wchar_t));
    if (RegQueryValueExW(m_hKey, strName.c_str(), nullptr, &nType, reinterpret_cast<BYTE*>(strValue.data()),
                         &nBytes) != ERROR_SUCCESS) {
      return std::wstring();
    }
    strValue.resize(wcsnlen(strValue.c_str(), strValue.size()));
    return strValue;
  }

  int ReadNumber(const std::wstring& strName) const {
    DWORD nValue = 0;
    DWORD nBytes = sizeof(nValue);
    DWORD nType = 0;
    if (RegQueryValueExW(m_hKey, strName.c_str(), nullptr, &nType, reinterpret_cast<BYTE*>(&nValue), &nBytes) !=
            ERROR_SUCCESS ||
        nType != REG_DWORD) {
      return 0;
    }
    return static_cast<int>(nValue);
  }

  void WriteString(const std::wstring& strName, const std::wstring& strValue) {
    RegSetValueExW(m_hKey, strName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.c_str()),
                   static_cast<DWORD>((strValue.size() + 1) * sizeof(wchar_t)));
  }

  void WriteNumber(const std::wstring& strName, int nValue) {
    const DWORD nDword = static_cast<DWORD>(nValue);
    RegSetValueExW(m_hKey, strName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&nDword), sizeof(nDword));
  }

 private:
  HKEY m_hKey = nullptr;
};

std::wstring EntryName(int nIndex) { return L"File" + std::to_wstring(nIndex + 1); }

CFrameWnd* MainFrameWnd(const CWinApp& app) { return dynamic_cast<CFrameWnd*>(app.MainFrame()); }

// The program's key, created where it is missing.
bool OpenAppKey(const std::string& strRegistryKey, CRegKey& key) {
  return key.Create(HKEY_CURRENT_USER, L"Software\\" + Widen(strRegistryKey) + L"\\" + AppTitle());
}

}  // namespace

void CWinApp::EnableControlContainer() {}  // the program's windows host no controls

void CWinApp::SetRegistryKey(const std::string& strKey) { m_strRegistryKey = strKey; }

void CWinApp::LoadStdProfileSettings(int nMaxRecentFiles) {
  m_bSettingsLoaded = true;
  m_recentFiles = CRecentFileList(nMaxRecentFiles);
  CRegKey app;
  if (!OpenAppKey(m_strRegistryKey, app)) return;
  CRegKey recent;
  if (recent.Create(app.Handle(), kRecentSection)) {
    for (int i = 0; i < m_recentFiles.Size(); ++i) m_recentFiles[i] = Narrow(recent.ReadString(EntryName(i)));
  }
  CRegKey settings;
  if (settings.Create(app.Handle(), kSettingsSection)) m_nPreviewPages = settings.ReadNumber(kPreviewPages);
}

void CWinApp::SaveStdProfileSettings() {
  CRegKey app;
  if (!OpenAppKey(m_strRegistryKey, app)) return;
  // The list is written afresh: only its non-empty entries, in their slots.
  RegDeleteKeyW(app.Handle(), kRecentSection);
  CRegKey recent;
  for (int i = 0; i < m_recentFiles.Size(); ++i) {
    if (m_recentFiles[i].empty()) continue;
    if (recent.Handle() == nullptr && !recent.Create(app.Handle(), kRecentSection)) break;
    recent.WriteString(EntryName(i), Widen(m_recentFiles[i]));
  }
  if (m_nPreviewPages != 0) {
    CRegKey settings;
    if (settings.Create(app.Handle(), kSettingsSection)) settings.WriteNumber(kPreviewPages, m_nPreviewPages);
  }
}

// The loop runs until the main window is gone; without one there is nothing
// to wait for.
int CWinApp::RunMessageLoop() {
  if (CFrameWnd* pFrame = MainFrameWnd(*this); pFrame == nullptr || pFrame->Handle() == nullptr) return 0;
  MSG msg;
  for (;;) {
    const BOOL nResult = GetMessageW(&msg, nullptr, 0, 0);
    if (nResult == 0 || nResult == -1) break;
    CFrameWnd* pFrame = MainFrameWnd(*this);
    if (pFrame != nullptr && pFrame->PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void CWinApp::OnFileOpen() {
  CFrameWnd* pFrame = MainFrameWnd(*this);
  const std::string strPath = AskOpenFileName(pFrame != nullptr ? pFrame->Handle() : nullptr);
  if (!strPath.empty()) OpenDocumentFile(strPath);
}

std::string CWinApp::RecentPath(const std::string& strPath) { return FullPathName(strPath); }
