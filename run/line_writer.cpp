#include "run/line_writer.h"

#include "platform/file.h"

CLineWriter::CLineWriter(CFile& file) : m_file(file) { m_strBuffer.reserve(kBufferSize); }

void CLineWriter::WriteLine(std::string_view text) {
  if (m_strBuffer.size() + text.size() + 2 > kBufferSize) Flush();
  if (text.size() >= kBufferSize) {
    Write(text);  // a long line goes out as it is, not through the buffer
  } else {
    m_strBuffer.append(text);
  }
  m_strBuffer.append("\r\n");
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
