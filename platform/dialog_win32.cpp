#include "platform/dialog_win32.h"

INT_PTR CDialog::DoModal() {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nDialogId), m_hOwner, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hDlg, UINT nMessage, WPARAM wParam, LPARAM) {
  switch (nMessage) {
    case WM_INITDIALOG:
      return TRUE;  // the default button takes the focus
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}
