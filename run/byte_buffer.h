#pragma once

#include <cstddef>
#include <memory>
#include <utility>

// A buffer of bytes that are left uninitialised, unlike a vector's: its
// pages are touched only when they are used, which a small or empty file
// never does for most of them.
class CByteBuffer {
 public:
  CByteBuffer() = default;
  explicit CByteBuffer(size_t nSize) : m_pData(new char[nSize]), m_nSize(nSize) {}

  char* data() { return m_pData.get(); }
  const char* data() const { return m_pData.get(); }
  size_t size() const { return m_nSize; }
  char& operator[](size_t i) { return m_pData[i]; }

  void swap(CByteBuffer& other) {
    std::swap(m_pData, other.m_pData);
    std::swap(m_nSize, other.m_nSize);
  }

 private:
  std::unique_ptr<char[]> m_pData;
  size_t m_nSize = 0;
};
