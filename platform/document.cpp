#include "platform/document.h"

bool CDocument::NewDocument() {
  m_strPathName.clear();
  m_bModified = false;
  return true;
}

bool CDocument::OpenDocument(const std::string& strPath) {
  m_strPathName = strPath;
  m_bModified = false;
  return true;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const std::string* pPath) {
  if (!m_pDocument) m_pDocument = m_createDocument();
  // The frame exists, hidden, before the document's step runs. The pass
  // needs no window: when none can be made (no display), the step runs all
  // the same and the program ends without one.
  if (m_createFrame && !m_bFrameTried) {
    m_bFrameTried = true;
    std::unique_ptr<CDocFrame> pFrame = m_createFrame(*m_pDocument);
    if (pFrame && pFrame->Create()) m_pFrame = std::move(pFrame);
  }
  bool bDone = pPath ? m_pDocument->OpenDocument(*pPath) : m_pDocument->NewDocument();
  if (!bDone) return nullptr;
  if (m_pFrame) m_pFrame->InitialUpdateFrame();
  return m_pDocument.get();
}
