#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/doc_frame.h"

class CDocument;
class CFormView;
class CWinApp;

// The main frame of a single-document program: a top-level window with the
// menu, accelerators, icon and title of one resource id, and one view filling
// it. It handles the document's Save and Save As, grays the commands that
// nothing handles, lists the recent files in the File menu, and leaves every
// other command to the application.
class CFrameWnd : public CDocFrame {
 public:
  CFrameWnd(CWinApp& app, CDocument& document, int nResourceId);
  ~CFrameWnd() override;
  CFrameWnd(const CFrameWnd&) = delete;
  CFrameWnd& operator=(const CFrameWnd&) = delete;

  bool Create() override;
  void InitialUpdateFrame() override;
  void HideAndClose() override;

  HWND Handle() const { return m_hWnd; }
  CFormView* View() const { return m_pView.get(); }

  // The frame's accelerators; true when `msg` was one of them.
  bool PreTranslateMessage(MSG& msg);

  // Lays the view over the whole client area.
  void RecalcLayout();

 protected:
  virtual std::unique_ptr<CFormView> CreateView() = 0;

 private:
  static LRESULT CALLBACK WindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT nMessage, WPARAM wParam, LPARAM lParam);
  void OnCommand(int nId);
  void OnInitMenuPopup(HMENU hMenu);
  void ListRecentFiles(HMENU hMenu);
  void SaveDocument(bool bAskName);
  void UpdateTitle();

  CWinApp& m_app;
  CDocument& m_document;
  int m_nResourceId;
  HWND m_hWnd = nullptr;
  HACCEL m_hAccel = nullptr;
  std::unique_ptr<CFormView> m_pView;
  std::wstring m_strRecentPlaceholder;  // the File menu's text while no file is recent
};

// Asks for a document file to open; UTF-8, empty when the user cancels.
std::string AskOpenFileName(HWND hOwner);
