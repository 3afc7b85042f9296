#include "platform/win_app.h"

int CWinApp::Run(std::vector<std::string> args) {
  m_args = std::move(args);
  if (StartUp()) RunMessageLoop();
  return ExitInstance();
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate) {
  m_pDocTemplate = std::move(pTemplate);
}

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info) {
  if (!m_pDocTemplate) return false;
  const std::string* pPath =
      info.m_nShellCommand == CCommandLineInfo::Command::FileOpen ? &info.m_strFileName : nullptr;
  return m_pDocTemplate->OpenDocumentFile(pPath) != nullptr;
}
