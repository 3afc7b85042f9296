#include "run/line_writer.h"

#include "platform/file.h"

CLineWriter::CLineWriter(CFile& file, size_t nBufferSize) : m_file(file), m_nBufferSize(nBufferSize) {
  m_strBuffer.reserve(m_nBufferSize);
}

void CLineWriter::WriteLine(std::string_view text) {
  if (m_strBuffer.size() + text.size() + 2 > m_nBufferSize) Flush();
  if (text.size() + 2 > m_nBufferSize) {
    // A line longer than the buffer goes out in one write with its line
    // end, so that a failed write never leaves a line without its end.
    std::string strLine;
    strLine.reserve(text.size() + 2);
    strLine.append(text).append("\r\n");
    Write(strLine);
    return;
  }
  m_strBuffer.append(text).append("\r\n");
}

void CLineWriter::Flush() {
  if (m_strBuffer.empty()) return;
  Write(m_strBuffer);
  m_strBuffer.clear();
}

void CLineWriter::Write(std::string_view data) {
  if (m_bFailed) return;
  try {
    m_file.Write(data.data(), data.size());
  } catch (...) {
    m_bFailed = true;
    m_strBuffer.clear();
    throw;
  }
}
