#include "run/line_writer.h"

#include <algorithm>
#include <string>

#include "platform/file.h"

CLineWriter::CLineWriter(CFile& file, size_t nBufferSize, bool bInBackground)
    : m_file(file), m_buffer(nBufferSize) {
  if (bInBackground) m_pBackground = std::make_unique<CBackgroundTask>();
}

void CLineWriter::WriteLineAfterHandOff(std::string_view text) {
  HandOff();
  if (text.size() + 2 > m_buffer.size()) {
    WriteLongLine(std::string(text) + "\r\n");
    return;
  }
  WriteLine(text);
}

void CLineWriter::WriteAsRead(std::string_view bytes) {
  while (!bytes.empty()) {
    // As many whole lines as there is room for.
    const size_t nRoom = m_buffer.size() - m_nUsed;
    const size_t nTake = bytes.size() <= nRoom ? bytes.size() : bytes.substr(0, nRoom).rfind('\n') + 1;
    if (nTake > 0) {  // rfind gave npos + 1 = 0 when no whole line fits
      std::memcpy(m_buffer.data() + m_nUsed, bytes.data(), nTake);
      m_nUsed += nTake;
      bytes.remove_prefix(nTake);
    } else if (m_nUsed > 0) {
      HandOff();
    } else {
      // The first line alone is longer than the buffer.
      const size_t nLine = std::min(bytes.find('\n'), bytes.size() - 1) + 1;
      WriteLongLine(bytes.substr(0, nLine));
      bytes.remove_prefix(nLine);
    }
  }
}

void CLineWriter::Flush() {
  // The last buffer is written here: there is nothing left to overlap, and
  // an output that fits in one buffer needs no thread.
  WaitForBackground();
  WriteBuffer();
}

void CLineWriter::HandOff() {
  if (m_nUsed == 0) return;
  if (!m_pBackground) {
    WriteBuffer();
    return;
  }
  WaitForBackground();
  if (m_bFailed) {
    m_nUsed = 0;
    return;
  }
  if (m_spare.size() == 0) m_spare = CByteBuffer(m_buffer.size());
  m_buffer.swap(m_spare);
  m_pBackground->Start([&file = m_file, pData = m_spare.data(), nSize = m_nUsed] {
    file.Write(pData, nSize);
  });
  m_nUsed = 0;
}

void CLineWriter::WriteBuffer() {
  if (m_nUsed == 0) return;
  Write(std::string_view(m_buffer.data(), m_nUsed));
  m_nUsed = 0;
}

void CLineWriter::WriteLongLine(std::string_view line) {
  WaitForBackground();
  Write(line);
}

void CLineWriter::WaitForBackground() {
  if (!m_pBackground) return;
  try {
    m_pBackground->Wait();
  } catch (...) {
    m_bFailed = true;
    m_nUsed = 0;
    throw;
  }
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
