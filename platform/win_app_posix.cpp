#include "platform/win_app.h"

// A POSIX system has no windows and no registry: start-up creates the
// document, the pass runs, and the program ends.

void CWinApp::EnableControlContainer() {}

void CWinApp::SetRegistryKey(const std::string&) {}

void CWinApp::LoadStdProfileSettings(int) {}

void CWinApp::HideAndCloseMainWindow() {}

int CWinApp::RunMessageLoop() { return 0; }
