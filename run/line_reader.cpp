#include "run/line_reader.h"

#include <cstring>

#include "platform/file.h"

namespace {

constexpr char kEndOfInput = 0x1A;

}  // namespace

CLineReader::CLineReader(CFile& file, size_t nBufferSize, bool bInBackground)
    : m_file(file), m_buffer(nBufferSize) {
  if (bInBackground) m_pBackground = std::make_unique<CBackgroundTask>();
}

bool CLineReader::Fill() {
  if (m_bInputEnded) return false;
  m_nPos = 0;
  m_nEnd = ReadNext();
  if (m_nEnd == 0) {
    m_bInputEnded = true;
    return false;
  }
  // Finding the end byte once per buffer keeps it off the per-line path.
  if (const void* pStop = std::memchr(m_buffer.data(), kEndOfInput, m_nEnd)) {
    m_nEnd = static_cast<size_t>(static_cast<const char*>(pStop) - m_buffer.data());
    m_bInputEnded = true;
    return true;
  }
  // Only a full buffer says that more is to come: a file that fits in one
  // costs no second buffer and no thread.
  if (m_pBackground && m_nEnd == m_buffer.size()) {
    if (m_spare.size() == 0) m_spare = CByteBuffer(m_buffer.size());
    m_pBackground->Start([this] { m_nReadAhead = m_file.Read(m_spare.data(), m_spare.size()); });
    m_bReadingAhead = true;
  }
  return true;
}

size_t CLineReader::ReadNext() {
  if (!m_bReadingAhead) return m_file.Read(m_buffer.data(), m_buffer.size());
  m_bReadingAhead = false;
  m_pBackground->Wait();
  m_buffer.swap(m_spare);
  return m_nReadAhead;
}

// A line that runs past the end of the buffer, or the first line after it.
bool CLineReader::ReadLineAcrossBuffers(std::string_view& line) {
  m_lastAsRead = std::string_view();
  bool bLong = false;
  for (;;) {
    if (m_nPos == m_nEnd && !Fill()) {
      if (!bLong) return false;
      line = m_strLong;  // the last line, without a line end
      return true;
    }
    const char* pStart = m_buffer.data() + m_nPos;
    const size_t nAvailable = m_nEnd - m_nPos;
    if (nAvailable == 0) continue;  // a 0x1A at the start of a buffer
    const void* pFeed = std::memchr(pStart, '\n', nAvailable);
    if (pFeed == nullptr) {
      if (!bLong) m_strLong.clear();
      m_strLong.append(pStart, nAvailable);
      bLong = true;
      m_nPos = m_nEnd;
      continue;
    }
    const size_t nLength = static_cast<size_t>(static_cast<const char*>(pFeed) - pStart);
    m_nPos += nLength + 1;
    if (!bLong) {
      line = WithoutCarriageReturn(std::string_view(pStart, nLength));
      return true;
    }
    m_strLong.append(pStart, nLength);
    line = WithoutCarriageReturn(m_strLong);
    return true;
  }
}
