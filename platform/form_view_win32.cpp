#include "platform/form_view_win32.h"

#include <algorithm>

#include "platform/frame_wnd_win32.h"

bool CFormView::Create(CFrameWnd& frame) {
  m_pFrame = &frame;
  m_hWnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nDialogId), frame.Handle(),
                              DialogProc, 0);
  if (m_hWnd == nullptr) return false;
  // The window comes out at the form's size; the frame resizes it later.
  RECT rect;
  GetWindowRect(m_hWnd, &rect);
  m_formSize = {rect.right - rect.left, rect.bottom - rect.top};
  ShowWindow(m_hWnd, SW_SHOW);
  return true;
}

void CFormView::ResizeParentToFit(bool bShrinkOnly) {
  RECT view;
  GetClientRect(m_hWnd, &view);
  const LONG nWidth = view.right - view.left;
  const LONG nHeight = view.bottom - view.top;
  const LONG nWantedWidth = bShrinkOnly ? std::min(nWidth, m_formSize.cx) : m_formSize.cx;
  const LONG nWantedHeight = bShrinkOnly ? std::min(nHeight, m_formSize.cy) : m_formSize.cy;
  RECT frame;
  GetWindowRect(m_pFrame->Handle(), &frame);
  SetWindowPos(m_pFrame->Handle(), nullptr, 0, 0, frame.right - frame.left + nWantedWidth - nWidth,
               frame.bottom - frame.top + nWantedHeight - nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
