#pragma once

#include <windows.h>

// A modal dialog on a dialog resource of the program. Its OK and Cancel
// buttons close it; it exchanges no data.
class CDialog {
 public:
  CDialog(int nDialogId, HWND hOwner) : m_nDialogId(nDialogId), m_hOwner(hOwner) {}
  virtual ~CDialog() = default;

  // Runs the dialog until it is closed; its result, -1 when it cannot be
  // shown.
  INT_PTR DoModal();

 private:
  static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT nMessage, WPARAM wParam, LPARAM lParam);

  int m_nDialogId;
  HWND m_hOwner;
};
