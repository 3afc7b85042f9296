#include "platform/win_app.h"

#include "platform/resource_ids.h"

int CWinApp::Run(std::vector<std::string> args) {
  m_args = std::move(args);
  if (StartUp()) RunMessageLoop();
  if (m_bSettingsLoaded) SaveStdProfileSettings();
  return ExitInstance();
}

bool CWinApp::OnCommand(int nId) {
  if (nId == ID_FILE_NEW) {
    OnFileNew();
    return true;
  }
  if (nId == ID_FILE_OPEN) {
    OnFileOpen();
    return true;
  }
  if (nId >= ID_FILE_MRU_FILE1 && nId < ID_FILE_MRU_FILE1 + m_recentFiles.Size()) {
    const std::string strPath = m_recentFiles[nId - ID_FILE_MRU_FILE1];
    if (!strPath.empty()) OpenDocumentFile(strPath);
    return true;
  }
  if (nId == ID_APP_EXIT) {
    HideAndCloseMainWindow();
    return true;
  }
  return false;
}

void CWinApp::OnFileNew() {
  if (m_pDocTemplate) m_pDocTemplate->OpenDocumentFile(nullptr);
}

bool CWinApp::OpenDocumentFile(const std::string& strPath) {
  if (!m_pDocTemplate || !m_pDocTemplate->OpenDocumentFile(&strPath)) return false;
  AddToRecentFileList(strPath);
  return true;
}

void CWinApp::AddToRecentFileList(const std::string& strPath) { m_recentFiles.Add(RecentPath(strPath)); }

CDocFrame* CWinApp::MainFrame() const { return m_pDocTemplate ? m_pDocTemplate->Frame() : nullptr; }

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate) {
  m_pDocTemplate = std::move(pTemplate);
}

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info) {
  if (!m_pDocTemplate) return false;
  if (info.m_nShellCommand == CCommandLineInfo::Command::FileOpen) return OpenDocumentFile(info.m_strFileName);
  return m_pDocTemplate->OpenDocumentFile(nullptr) != nullptr;
}

void CWinApp::HideAndCloseMainWindow() {
  if (CDocFrame* pFrame = MainFrame()) pFrame->HideAndClose();
}
