#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/command_line.h"
#include "platform/document.h"

// The application object: start-up, then the message loop where the system
// has one, then the exit status.
class CWinApp {
 public:
  virtual ~CWinApp() = default;

  // Runs the program with the arguments after its name; returns the exit
  // status.
  int Run(std::vector<std::string> args);

 protected:
  // TRUE lets the message loop run; FALSE ends the program at once.
  virtual bool StartUp() = 0;

  // The exit status.
  virtual int ExitInstance() { return 0; }

  const std::vector<std::string>& Arguments() const { return m_args; }

  void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate);

  // Carries out what the command line asks: a new document or an opened
  // file. FALSE when that fails.
  bool ProcessShellCommand(const CCommandLineInfo& info);

  // The system's side, in twin files: stored settings, the main window and
  // the message loop. Where the system has no windows they do nothing.
  void EnableControlContainer();
  void SetRegistryKey(const std::string& strKey);
  void LoadStdProfileSettings(int nMaxRecentFiles);
  void HideAndCloseMainWindow();

 private:
  int RunMessageLoop();

  std::vector<std::string> m_args;
  std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
};
