#pragma once

#include "platform/win_app.h"
#include "platform/platform.h"

class CDravel03Doc;

// The application object: start-up creates the one document, whose creation
// runs the conversion pass, and then lets the program close itself.
class CDravel03App : public CWinApp {
 public:
  explicit CDravel03App(CPlatform& platform) : m_platform(platform) {}

  // The program's own command: About shows the version dialog.
  bool OnCommand(int nId) override;

 protected:
  bool StartUp() override;

  // 1 when the pass reported a file error, otherwise 0.
  int ExitInstance() override;

 private:
  CPlatform& m_platform;
  CDravel03Doc* m_pDocument = nullptr;  // owned by the document template
};
