#include <windows.h>

#include "app/resource.h"
#include "app/shell.h"
#include "platform/dialog_win32.h"
#include "platform/form_view_win32.h"
#include "platform/frame_wnd_win32.h"

namespace {

// The view: the empty form of dialog 101. At its initial update the frame
// shrinks until the view is no larger than the form, but never grows.
class CDravel03View : public CFormView {
 public:
  CDravel03View() : CFormView(IDD_DRAVEL03_FORM) {}

  void OnInitialUpdate() override {
    CFormView::OnInitialUpdate();
    ParentFrame().RecalcLayout();
    ResizeParentToFit(true);
  }
};

// The main frame, with menu, accelerators and icon 128; no toolbar and no
// status bar.
class CMainFrame : public CFrameWnd {
 public:
  CMainFrame(CWinApp& app, CDocument& document) : CFrameWnd(app, document, IDR_MAINFRAME) {}

 protected:
  std::unique_ptr<CFormView> CreateView() override { return std::make_unique<CDravel03View>(); }
};

// The version dialog, 100: the program's icon, name, version and copyright.
class CVersionDlg : public CDialog {
 public:
  explicit CVersionDlg(HWND hOwner) : CDialog(IDD_ABOUTBOX, hOwner) {}
};

}  // namespace

CSingleDocTemplate::FrameFactory MainFrameFactory(CWinApp& app) {
  return [&app](CDocument& document) { return std::make_unique<CMainFrame>(app, document); };
}

void RunVersionDialog() {
  CVersionDlg dialog(GetActiveWindow());
  dialog.DoModal();
}
