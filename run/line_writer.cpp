#include "run/line_writer.h"

#include <cstring>

#include "platform/file.h"

CLineWriter::CLineWriter(CFile& file) : m_file(file), m_buffer(kBufferSize) {}

void CLineWriter::WriteLine(std::string_view text) {
  constexpr size_t kLineEnd = 2;
  if (m_nUsed + text.size() + kLineEnd > kBufferSize) Flush();
  if (text.size() + kLineEnd > kBufferSize) {
    Write(text);  // a long line goes out as it is, not through the buffer
  } else {
    std::memcpy(m_buffer.data() + m_nUsed, text.data(), text.size());
    m_nUsed += text.size();
  }
  m_buffer[m_nUsed++] = '\r';
  m_buffer[m_nUsed++] = '\n';
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
