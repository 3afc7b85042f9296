#include "app/dravel03_app.h"

#include <memory>

#include "app/shell.h"
#include "app/usage.h"
#include "convert/dravel03_doc.h"
#include "platform/resource_ids.h"

namespace {

const char kRegistryKey[] = "Local AppWizard-Generated Applications";
constexpr int kRecentFileCount = 4;

}  // namespace

bool CDravel03App::StartUp() {
  const std::string strFirstArgument = Arguments().empty() ? std::string() : Arguments()[0];
  switch (InfoRequested(strFirstArgument)) {
    case InfoRequest::Help:
      m_platform.ShowInfo(UsageText());
      return false;
    case InfoRequest::Version:
      m_platform.ShowInfo(VersionText());
      return false;
    case InfoRequest::None:
      break;
  }

  EnableControlContainer();
  SetRegistryKey(kRegistryKey);
  LoadStdProfileSettings(kRecentFileCount);
  AddDocTemplate(std::make_unique<CSingleDocTemplate>([this, strFirstArgument] {
    auto pDocument = std::make_unique<CDravel03Doc>(m_platform, strFirstArgument);
    m_pDocument = pDocument.get();
    return pDocument;
  }, MainFrameFactory(*this)));

  CCommandLineInfo info;
  ParseCommandLine(Arguments(), info);
  if (!ProcessShellCommand(info)) return false;
  HideAndCloseMainWindow();
  return true;
}

bool CDravel03App::OnCommand(int nId) {
  if (nId == ID_APP_ABOUT) {
    RunVersionDialog();
    return true;
  }
  return CWinApp::OnCommand(nId);
}

int CDravel03App::ExitInstance() {
  return m_pDocument != nullptr && m_pDocument->FileErrorReported() ? 1 : 0;
}
