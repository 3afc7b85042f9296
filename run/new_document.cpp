#include "convert/dravel03_doc.h"

// Mode selection: "/M1" to "/M3" run as "/G3" with that sub-mode; any other
// first argument is the run mode as it stands. Then one pass.
bool CDravel03Doc::NewDocument() {
  if (!CDocument::NewDocument()) return false;
  m_strMode = m_strFirstArgument;
  if (m_strMode == "/M1" || m_strMode == "/M2" || m_strMode == "/M3") {
    m_strSubMode = m_strMode;
    m_strMode = "/G3";
  }
  Convert();
  return true;
}
