#include "platform/frame_wnd_win32.h"

#include <commdlg.h>

#include <vector>

#include "platform/document.h"
#include "platform/file_win32.h"
#include "platform/form_view_win32.h"
#include "platform/resource_ids.h"
#include "platform/wide_string_win32.h"
#include "platform/win_app.h"

namespace {

const wchar_t kClassName[] = L"Dravel03Frame";

bool IsRecentFileCommand(UINT nId) { return nId >= ID_FILE_MRU_FILE1 && nId <= ID_FILE_MRU_LAST; }

bool RegisterFrameClass(HINSTANCE hInstance, WNDPROC pWindowProc, int nIconId) {
  static bool bRegistered = false;
  if (bRegistered) return true;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = pWindowProc;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIconW(hInstance, MAKEINTRESOURCEW(nIconId));
  wc.hIconSm = static_cast<HICON>(LoadImageW(hInstance, MAKEINTRESOURCEW(nIconId), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  bRegistered = RegisterClassExW(&wc) != 0;
  return bRegistered;
}

// The first part of the document string: the window title.
std::wstring WindowTitle(int nResourceId) {
  std::wstring strDoc = LoadResourceString(static_cast<unsigned>(nResourceId));
  strDoc = strDoc.substr(0, strDoc.find(L'\n'));
  return strDoc.empty() ? AppTitle() : strDoc;
}

std::wstring FileTitle(const std::wstring& strPath) {
  const size_t nSlash = strPath.find_last_of(L"\\/:");
  return nSlash == std::wstring::npos ? strPath : strPath.substr(nSlash + 1);
}

// Asks for a file name, starting from `strPath`; empty when the user cancels.
std::wstring AskFileName(HWND hOwner, const std::wstring& strPath, bool bSave) {
  std::vector<wchar_t> name(32768, L'\0');
  strPath.copy(name.data(), name.size() - 1);
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = hOwner;
  ofn.lpstrFilter = L"すべてのﾌｧｲﾙ (*.*)\0*.*\0";
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (bSave ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL bDone = bSave ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  return bDone ? std::wstring(name.data()) : std::wstring();
}

// Whether a command has a handler: the framework grays the others.
bool IsCommandHandled(int nId) {
  switch (nId) {
    case ID_EDIT_UNDO:
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
      return false;
    default:
      return true;
  }
}

// Grays the items of one popup whose commands have no handler, and enables
// the others; the recent-file entries keep their own state.
void EnableCommands(HMENU hPopup) {
  const int nCount = GetMenuItemCount(hPopup);
  for (int i = 0; i < nCount; ++i) {
    const UINT nId = GetMenuItemID(hPopup, i);
    if (nId == static_cast<UINT>(-1) || IsRecentFileCommand(nId)) continue;
    EnableMenuItem(hPopup, nId, MF_BYCOMMAND | (IsCommandHandled(static_cast<int>(nId)) ? MF_ENABLED : MF_GRAYED));
  }
}

}  // namespace

CFrameWnd::CFrameWnd(CWinApp& app, CDocument& document, int nResourceId)
    : m_app(app), m_document(document), m_nResourceId(nResourceId) {}

CFrameWnd::~CFrameWnd() {
  if (m_hWnd == nullptr) return;
  // Detached first: a window destroyed with its object does not end the
  // message loop, as a closed one does.
  HWND hWnd = m_hWnd;
  m_hWnd = nullptr;
  SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
  DestroyWindow(hWnd);
}

bool CFrameWnd::Create() {
  HINSTANCE hInstance = GetModuleHandleW(nullptr);
  if (!RegisterFrameClass(hInstance, WindowProc, m_nResourceId)) return false;
  HMENU hMenu = LoadMenuW(hInstance, MAKEINTRESOURCEW(m_nResourceId));
  m_hAccel = LoadAcceleratorsW(hInstance, MAKEINTRESOURCEW(m_nResourceId));
  if (hMenu != nullptr) {
    wchar_t text[256] = {};
    GetMenuStringW(hMenu, ID_FILE_MRU_FILE1, text, 256, MF_BYCOMMAND);
    m_strRecentPlaceholder = text;
    // Accelerators of grayed items do nothing, so the state is set at once.
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
      if (HMENU hPopup = GetSubMenu(hMenu, i)) EnableCommands(hPopup);
    }
  }
  // Hidden: the document's step runs before the frame is shown.
  m_hWnd = CreateWindowExW(0, kClassName, WindowTitle(m_nResourceId).c_str(), WS_OVERLAPPEDWINDOW,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, hMenu, hInstance,
                           this);
  if (m_hWnd == nullptr && hMenu != nullptr) DestroyMenu(hMenu);
  return m_hWnd != nullptr;
}

void CFrameWnd::InitialUpdateFrame() {
  if (m_hWnd == nullptr) return;
  if (m_pView) m_pView->OnInitialUpdate();
  UpdateTitle();
  ShowWindow(m_hWnd, SW_SHOW);
}

void CFrameWnd::HideAndClose() {
  if (m_hWnd == nullptr) return;
  ShowWindow(m_hWnd, SW_HIDE);
  UpdateWindow(m_hWnd);
  PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

bool CFrameWnd::PreTranslateMessage(MSG& msg) {
  return m_hWnd != nullptr && m_hAccel != nullptr && TranslateAcceleratorW(m_hWnd, m_hAccel, &msg) != 0;
}

void CFrameWnd::RecalcLayout() {
  if (!m_pView) return;
  RECT client;
  GetClientRect(m_hWnd, &client);
  MoveWindow(m_pView->Handle(), 0, 0, client.right, client.bottom, TRUE);
}

LRESULT CALLBACK CFrameWnd::WindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
  if (nMessage == WM_NCCREATE) {
    auto* pCreating = static_cast<CFrameWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    pCreating->m_hWnd = hWnd;
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pCreating));
  }
  auto* pFrame = reinterpret_cast<CFrameWnd*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
  if (pFrame == nullptr) return DefWindowProcW(hWnd, nMessage, wParam, lParam);
  return pFrame->OnMessage(nMessage, wParam, lParam);
}

LRESULT CFrameWnd::OnMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) {
  switch (nMessage) {
    case WM_CREATE:
      m_pView = CreateView();
      return m_pView && m_pView->Create(*this) ? 0 : -1;
    case WM_SIZE:
      RecalcLayout();
      return 0;
    case WM_SETFOCUS:
      if (m_pView) SetFocus(m_pView->Handle());
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_CLOSE:
      // The document is never modified: closing asks nothing.
      DestroyWindow(m_hWnd);
      return 0;
    case WM_NCDESTROY: {
      HWND hWnd = m_hWnd;
      m_hWnd = nullptr;
      SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
      PostQuitMessage(0);
      return DefWindowProcW(hWnd, nMessage, wParam, lParam);
    }
    default:
      return DefWindowProcW(m_hWnd, nMessage, wParam, lParam);
  }
}

void CFrameWnd::OnCommand(int nId) {
  if (!IsCommandHandled(nId)) return;
  switch (nId) {
    case ID_FILE_SAVE:
      SaveDocument(false);
      return;
    case ID_FILE_SAVE_AS:
      SaveDocument(true);
      return;
    case ID_NEXT_PANE:
    case ID_PREV_PANE:
      return;  // one view: there is no other pane to go to
    default:
      if (m_app.OnCommand(nId)) UpdateTitle();
  }
}

void CFrameWnd::OnInitMenuPopup(HMENU hMenu) {
  EnableCommands(hMenu);
  ListRecentFiles(hMenu);
}

void CFrameWnd::ListRecentFiles(HMENU hMenu) {
  int nPosition = -1;
  for (int i = GetMenuItemCount(hMenu) - 1; i >= 0; --i) {
    if (IsRecentFileCommand(GetMenuItemID(hMenu, i))) {
      nPosition = i;
      DeleteMenu(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
    }
  }
  if (nPosition < 0) return;  // not the File menu
  const CRecentFileList& recent = m_app.RecentFiles();
  int nListed = 0;
  for (int i = 0; i < recent.Size(); ++i) {
    if (recent[i].empty()) continue;
    const std::wstring strText = L"&" + std::to_wstring(nListed + 1) + L" " + Widen(recent[i]);
    InsertMenuW(hMenu, static_cast<UINT>(nPosition + nListed), MF_BYPOSITION | MF_STRING,
                static_cast<UINT_PTR>(ID_FILE_MRU_FILE1 + i), strText.c_str());
    ++nListed;
  }
  if (nListed == 0) {
    InsertMenuW(hMenu, static_cast<UINT>(nPosition), MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1,
                m_strRecentPlaceholder.c_str());
  }
}

// The document keeps nothing in its file: saving writes an empty file.
void CFrameWnd::SaveDocument(bool bAskName) {
  std::wstring strPath = Widen(m_document.PathName());
  if (bAskName || strPath.empty()) {
    strPath = AskFileName(m_hWnd, strPath.empty() ? L"Dravel" : strPath, true);
    if (strPath.empty()) return;
  }
  const std::string strName = Narrow(strPath);
  try {
    OpenWin32FileForWriting(strName)->Close();
  } catch (const CFileException&) {
    MessageBoxW(m_hWnd, strPath.c_str(), AppTitle().c_str(), MB_OK | MB_ICONERROR);
    return;
  }
  m_document.SetPathName(FullPathName(strName));
  m_app.AddToRecentFileList(strName);
  UpdateTitle();
}

void CFrameWnd::UpdateTitle() {
  if (m_hWnd == nullptr) return;
  std::wstring strTitle = WindowTitle(m_nResourceId);
  if (!m_document.PathName().empty()) strTitle = FileTitle(Widen(m_document.PathName())) + L" - " + strTitle;
  SetWindowTextW(m_hWnd, strTitle.c_str());
}

std::string AskOpenFileName(HWND hOwner) { return Narrow(AskFileName(hOwner, std::wstring(), false)); }
