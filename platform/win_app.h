#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/command_line.h"
#include "platform/document.h"
#include "platform/recent_file_list.h"

// The application object: start-up, then the message loop where the system
// has one, then the exit status.
class CWinApp {
 public:
  virtual ~CWinApp() = default;

  // Runs the program with the arguments after its name; returns the exit
  // status.
  int Run(std::vector<std::string> args);

  // A menu or accelerator command that the frame and the document leave to
  // the application: New, Open, the recent-file entries and Exit, and what a
  // program adds. True when handled.
  virtual bool OnCommand(int nId);

  // The framework's new-file command: the one document is created anew.
  void OnFileNew();

  // Opens a document file without reading it, and lists it as recent.
  // False when the document's step fails.
  bool OpenDocumentFile(const std::string& strPath);

  // Lists a document file opened or saved as the most recent one.
  void AddToRecentFileList(const std::string& strPath);
  const CRecentFileList& RecentFiles() const { return m_recentFiles; }

  // The document's frame: the main window, null where there is none.
  CDocFrame* MainFrame() const;

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

  void HideAndCloseMainWindow();

  // The system's side, in twin files: stored settings and the message loop.
  // Where the system has no windows and no registry they do nothing.
  void EnableControlContainer();
  void SetRegistryKey(const std::string& strKey);
  void LoadStdProfileSettings(int nMaxRecentFiles);

 private:
  int RunMessageLoop();
  void SaveStdProfileSettings();
  void OnFileOpen();
  // The full path under which a file is listed as recent.
  std::string RecentPath(const std::string& strPath);

  std::vector<std::string> m_args;
  std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
  std::string m_strRegistryKey;
  bool m_bSettingsLoaded = false;
  CRecentFileList m_recentFiles;
  int m_nPreviewPages = 0;
};
