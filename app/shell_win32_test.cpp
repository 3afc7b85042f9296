#include "app/shell.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/dravel03_app.h"
#include "app/resource.h"
#include "platform/form_view_win32.h"
#include "platform/frame_wnd_win32.h"
#include "platform/resource_ids.h"
#include "platform/wide_string_win32.h"
#include "tests/test_support.h"

namespace {

// Counts the document's steps: New must run the pass again, Open must not.
class CCountingDoc : public CDocument {
 public:
  bool NewDocument() override {
    ++m_nNew;
    return CDocument::NewDocument();
  }
  bool OpenDocument(const std::string& strPath) override {
    ++m_nOpen;
    return CDocument::OpenDocument(strPath);
  }
  int m_nNew = 0;
  int m_nOpen = 0;
};

// The pass is not run here: the document only counts.
class CNoPlatform : public CPlatform {
 public:
  std::unique_ptr<CFile> OpenForReading(const std::string& strName) override { throw CFileException(strName); }
  std::unique_ptr<CFile> OpenForWriting(const std::string& strName) override { throw CFileException(strName); }
  void ShowError(const std::string&) override {}
  void ShowInfo(const std::string&) override {}
};
CNoPlatform g_noPlatform;

// The program's application object with its frame and a counting document;
// start-up is not run, the tests drive the frame themselves.
class CShellApp : public CDravel03App {
 public:
  CShellApp() : CDravel03App(g_noPlatform) {
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        [this] {
          auto pDocument = std::make_unique<CCountingDoc>();
          m_pDocument = pDocument.get();
          return pDocument;
        },
        MainFrameFactory(*this)));
    // A key of the tests' own; nothing is written back, as Run never runs.
    SetRegistryKey("Dravel03 shell tests");
    LoadStdProfileSettings(4);
    OnFileNew();
  }
  CFrameWnd& Frame() const { return *dynamic_cast<CFrameWnd*>(MainFrame()); }
  CCountingDoc* m_pDocument = nullptr;
};

void Command(const CFrameWnd& frame, int nId) { SendMessageW(frame.Handle(), WM_COMMAND, static_cast<WPARAM>(nId), 0); }

SIZE ClientSize(HWND hWnd) {
  RECT rect;
  GetClientRect(hWnd, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

TEST(ShellTest, TheFrameIsShownWithTheFormViewNoLargerThanTheForm) {
  CShellApp app;
  ASSERT_NE(app.MainFrame(), nullptr);
  const CFrameWnd& frame = app.Frame();
  EXPECT_TRUE(IsWindowVisible(frame.Handle()));
  EXPECT_NE(GetMenu(frame.Handle()), nullptr);
  const SIZE form = frame.View()->FormSize();
  EXPECT_GT(form.cx, 0);
  EXPECT_GT(form.cy, 0);
  const SIZE view = ClientSize(frame.View()->Handle());
  EXPECT_LE(view.cx, form.cx);
  EXPECT_LE(view.cy, form.cy);
}

TEST(ShellTest, TheInitialUpdateShrinksTheFrameButNeverGrowsIt) {
  CShellApp app;
  CFrameWnd& frame = app.Frame();
  const SIZE form = frame.View()->FormSize();
  // Narrower than the form, far taller.
  RECT rect;
  GetWindowRect(frame.Handle(), &rect);
  const SIZE viewBefore = ClientSize(frame.View()->Handle());
  SetWindowPos(frame.Handle(), nullptr, 0, 0, rect.right - rect.left - viewBefore.cx + form.cx / 2,
               rect.bottom - rect.top - viewBefore.cy + form.cy * 3, SWP_NOMOVE | SWP_NOZORDER);
  const SIZE narrow = ClientSize(frame.View()->Handle());
  ASSERT_LT(narrow.cx, form.cx);
  ASSERT_GT(narrow.cy, form.cy);
  frame.InitialUpdateFrame();
  const SIZE view = ClientSize(frame.View()->Handle());
  EXPECT_EQ(view.cx, narrow.cx);
  EXPECT_EQ(view.cy, form.cy);
}

TEST(ShellTest, NewRunsTheDocumentStepAgainAndOpenDoesNot) {
  CShellApp app;
  ASSERT_EQ(app.m_pDocument->m_nNew, 1);
  Command(app.Frame(), ID_FILE_NEW);
  EXPECT_EQ(app.m_pDocument->m_nNew, 2);
  CScratchDir dir;
  WriteFile("drawing.dat", "kept");
  EXPECT_TRUE(app.OpenDocumentFile("drawing.dat"));
  EXPECT_EQ(app.m_pDocument->m_nNew, 2);
  EXPECT_EQ(app.m_pDocument->PathName(), "drawing.dat");
  EXPECT_EQ(ReadFile("drawing.dat"), "kept");
}

TEST(ShellTest, SaveWritesAnEmptyFile) {
  CShellApp app;
  CScratchDir dir;
  WriteFile("drawing.dat", "old contents");
  app.OpenDocumentFile("drawing.dat");
  Command(app.Frame(), ID_FILE_SAVE);
  EXPECT_TRUE(FileExists("drawing.dat"));
  EXPECT_EQ(ReadFile("drawing.dat"), "");
}

TEST(ShellTest, CommandsWithoutAHandlerAreGrayed) {
  CShellApp app;
  HMENU hMenu = GetMenu(app.Frame().Handle());
  for (int nPopup = 0; nPopup < GetMenuItemCount(hMenu); ++nPopup) {
    SendMessageW(app.Frame().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(hMenu, nPopup)),
                 nPopup);
  }
  auto grayed = [&](int nId) { return (GetMenuState(hMenu, static_cast<UINT>(nId), MF_BYCOMMAND) & MF_GRAYED) != 0; };
  for (int nId : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) EXPECT_TRUE(grayed(nId)) << nId;
  for (int nId : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT, ID_APP_ABOUT}) {
    EXPECT_FALSE(grayed(nId)) << nId;
  }
  // No file is recent: the placeholder entry stays, grayed.
  EXPECT_TRUE(grayed(ID_FILE_MRU_FILE1));
}

TEST(ShellTest, AnOpenedFileIsListedInTheFileMenuAndOpensFromThere) {
  CShellApp app;
  CScratchDir dir;
  WriteFile("drawing.dat", "kept");
  app.OpenDocumentFile("drawing.dat");
  const std::string strFullPath = app.RecentFiles()[0];
  EXPECT_EQ(strFullPath, dir.Path() + "\\drawing.dat");
  HMENU hFile = GetSubMenu(GetMenu(app.Frame().Handle()), 0);
  SendMessageW(app.Frame().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
  wchar_t text[512] = {};
  GetMenuStringW(hFile, ID_FILE_MRU_FILE1, text, 512, MF_BYCOMMAND);
  EXPECT_EQ(Narrow(text), "&1 " + strFullPath);
  EXPECT_EQ(GetMenuState(hFile, ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED, 0u);
  Command(app.Frame(), ID_FILE_MRU_FILE1);
  EXPECT_EQ(app.m_pDocument->m_nOpen, 2);
  EXPECT_EQ(app.m_pDocument->m_nNew, 1);
  EXPECT_EQ(app.m_pDocument->PathName(), strFullPath);
  EXPECT_EQ(ReadFile("drawing.dat"), "kept");
}

// The version dialog runs modally inside the command; a timer in its loop
// reads it and presses OK.
struct CDialogSeen {
  std::wstring strCaption;
  std::wstring strVersion;
  bool bIcon = false;
  bool bModal = false;
};
CDialogSeen g_seen;

void CALLBACK ReadAndCloseDialog(HWND, UINT, UINT_PTR nTimer, DWORD) {
  HWND hDialog = GetActiveWindow();
  if (hDialog == nullptr || GetParent(hDialog) != nullptr) hDialog = GetForegroundWindow();
  wchar_t text[256] = {};
  GetWindowTextW(hDialog, text, 256);
  if (std::wstring(text) != L"Dravel03のﾊﾞｰｼﾞｮﾝ情報") return;  // not yet up
  KillTimer(nullptr, nTimer);
  g_seen.strCaption = text;
  HWND hOwner = GetWindow(hDialog, GW_OWNER);
  g_seen.bModal = hOwner != nullptr && !IsWindowEnabled(hOwner);
  for (HWND hChild = GetWindow(hDialog, GW_CHILD); hChild != nullptr; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
    wchar_t childText[256] = {};
    GetWindowTextW(hChild, childText, 256);
    if (std::wstring(childText).rfind(L"Dravel03 Version", 0) == 0) g_seen.strVersion = childText;
    if (SendMessageW(hChild, STM_GETICON, 0, 0) != 0) g_seen.bIcon = true;
  }
  PostMessageW(hDialog, WM_COMMAND, IDOK, 0);
}

TEST(ShellTest, AboutShowsTheVersionDialogModally) {
  CShellApp app;
  SetForegroundWindow(app.Frame().Handle());
  g_seen = CDialogSeen();
  SetTimer(nullptr, 0, 50, ReadAndCloseDialog);
  Command(app.Frame(), ID_APP_ABOUT);
  EXPECT_EQ(g_seen.strCaption, L"Dravel03のﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(g_seen.strVersion, L"Dravel03 Version 1.0");
  EXPECT_TRUE(g_seen.bIcon);
  EXPECT_TRUE(g_seen.bModal);
  EXPECT_EQ(app.m_pDocument->m_nNew, 1);  // and nothing else happened
  EXPECT_TRUE(IsWindowEnabled(app.Frame().Handle()));
}

}  // namespace
