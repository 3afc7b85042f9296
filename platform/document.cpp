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
  bool bDone = pPath ? m_pDocument->OpenDocument(*pPath) : m_pDocument->NewDocument();
  return bDone ? m_pDocument.get() : nullptr;
}
