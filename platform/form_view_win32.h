#pragma once

#include <windows.h>

class CFrameWnd;

// A view that shows a form: a child dialog without caption or border,
// filling its frame's client area.
class CFormView {
 public:
  explicit CFormView(int nDialogId) : m_nDialogId(nDialogId) {}
  virtual ~CFormView() = default;
  CFormView(const CFormView&) = delete;
  CFormView& operator=(const CFormView&) = delete;

  // Creates the view's window in `frame`; false when it cannot.
  bool Create(CFrameWnd& frame);

  // Called after each new or open step of the document, before the frame is
  // shown. The form view's own update has nothing to do: the form holds no
  // controls.
  virtual void OnInitialUpdate() {}

  HWND Handle() const { return m_hWnd; }

  // The size of the form, in pixels.
  SIZE FormSize() const { return m_formSize; }

 protected:
  CFrameWnd& ParentFrame() const { return *m_pFrame; }

  // Resizes the frame so that the view is as large as the form; with
  // `bShrinkOnly`, a direction in which the view is already smaller keeps
  // its size.
  void ResizeParentToFit(bool bShrinkOnly);

 private:
  static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

  int m_nDialogId;
  HWND m_hWnd = nullptr;
  CFrameWnd* m_pFrame = nullptr;
  SIZE m_formSize = {0, 0};
};
