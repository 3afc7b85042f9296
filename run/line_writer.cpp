#include "run/line_writer.h"

#include <cstring>
#include <string>

#include "platform/file.h"

CLineWriter::CLineWriter(CFile& file, size_t nBufferSize) : m_file(file), m_buffer(nBufferSize) {}

void CLineWriter::WriteLineAfterFlush(std::string_view text) {
  constexpr size_t kLineEnd = 2;
  Flush();
  if (text.size() + kLineEnd > m_buffer.size()) {
    // A line longer than the buffer goes out in one write with its line
    // end, so that a failed write never leaves a line without its end.
    std::string strLine;
    strLine.reserve(text.size() + kLineEnd);
    strLine.append(text).append("\r\n");
    Write(strLine);
    return;
  }
  WriteLine(text);
}

void CLineWriter::WriteAsRead(std::string_view bytes) {
  if (bytes.size() >= m_buffer.size() / 2) {
    Flush();
    Write(bytes);
    return;
  }
  if (m_nUsed + bytes.size() > m_buffer.size()) Flush();
  std::memcpy(m_buffer.data() + m_nUsed, bytes.data(), bytes.size());
  m_nUsed += bytes.size();
}

void CLineWriter::Flush() {
  if (m_nUsed == 0) return;
  Write(std::string_view(m_buffer.data(), m_nUsed));
  m_nUsed = 0;
}

void CLineWriter::Write(std::string_view data) {
  if (m_bFailed) return;
  try {
    m_file.Write(data.data(), data.size());
  } catch (...) {
    m_bFailed = true;
    m_nUsed = 0;
    throw;
  }
}
