#include "run/line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/file.h"

namespace {

// A file in memory that hands out at most `nChunk` bytes a read, so that
// lines and CR LF pairs fall across buffer boundaries.
class CChunkFile : public CFile {
 public:
  CChunkFile(std::string strData, size_t nChunk) : m_strData(std::move(strData)), m_nChunk(nChunk) {}

  size_t Read(char* pBuffer, size_t nSize) override {
    const size_t n = std::min({nSize, m_nChunk, m_strData.size() - m_nPos});
    std::memcpy(pBuffer, m_strData.data() + m_nPos, n);
    m_nPos += n;
    ++m_nReads;
    return n;
  }
  void Write(const char*, size_t) override {}
  void Close() override {}
  const std::string& FullPath() const override { return m_strData; }

  size_t m_nPos = 0;
  int m_nReads = 0;

 private:
  std::string m_strData;
  size_t m_nChunk;
};

std::vector<std::string> ReadAll(const std::string& data, size_t nChunk) {
  CChunkFile file(data, nChunk);
  CLineReader reader(file);
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.ReadLine(line)) lines.emplace_back(line);
  return lines;
}

TEST(LineReaderTest, SplitsLinesAsTheFileHasThem) {
  using Lines = std::vector<std::string>;
  const struct {
    std::string data;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb\r", {"a", "b\r"}},
      {"a\rb\n", {"a\rb"}},
      {"a\r\r\nb\n", {"a\r", "b"}},
      {"\n\n", {"", ""}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"\r\n", {""}},
      {"a\nb\x1a" "c\nd\n", {"a", "b"}},
      {"a\n\x1a" "b", {"a"}},
      {"\x1a" "a\n", {}},
      {std::string("a\0b\n\0", 5), {std::string("a\0b", 3), std::string("\0", 1)}},
  };
  for (const auto& c : cases) {
    for (size_t nChunk : {size_t(1), size_t(2), size_t(3), CLineReader::kBufferSize}) {
      EXPECT_EQ(ReadAll(c.data, nChunk), c.lines) << "chunk " << nChunk << " data " << c.data;
    }
  }
}

TEST(LineReaderTest, ReadsNothingAfterTheEndByte) {
  CChunkFile file(std::string("a\n\x1a") + std::string(3 * CLineReader::kBufferSize, 'x'), 4);
  CLineReader reader(file);
  std::string_view line;
  while (reader.ReadLine(line)) {
  }
  EXPECT_EQ(file.m_nPos, 4u);
}

TEST(LineReaderTest, KeepsLongLinesWhole) {
  const std::string longLine(3 * CLineReader::kBufferSize + 17, 'q');
  const std::vector<std::string> lines = ReadAll("a\r\n" + longLine + "\r\nb", CLineReader::kBufferSize);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], longLine);
  EXPECT_EQ(lines[2], "b");
}

}  // namespace
