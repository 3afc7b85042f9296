#include "platform/win_app.h"

// A POSIX system has no windows and no registry: start-up creates the
// document, the pass runs, and the program ends.

void CWinApp::EnableControlContainer() {}

void CWinApp::SetRegistryKey(const std::string&) {}

void CWinApp::LoadStdProfileSettings(int) {}

void CWinApp::SaveStdProfileSettings() {}

int CWinApp::RunMessageLoop() { return 0; }

void CWinApp::OnFileOpen() {}

std::string CWinApp::RecentPath(const std::string& strPath) { return strPath; }
