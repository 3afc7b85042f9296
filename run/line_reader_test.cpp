#include "run/line_reader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/file.h"
#include "tests/memory_platform.h"

namespace {

// Reads `data` with at most `nChunk` bytes a read, so that lines and CR LF
// pairs fall across buffer boundaries.
std::vector<std::string> ReadAll(const std::string& data, size_t nChunk, bool bInBackground = false,
                                 size_t nBufferSize = CLineReader::kBufferSize) {
  CMemoryPlatform platform;
  platform.m_files["temp.txt"] = data;
  platform.m_nReadChunk = nChunk;
  std::unique_ptr<CFile> pFile = platform.OpenForReading("temp.txt");
  CLineReader reader(*pFile, nBufferSize, bInBackground);
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
      for (size_t nBufferSize : {size_t(1), size_t(2), size_t(3)}) {
        EXPECT_EQ(ReadAll(c.data, nChunk, true, nBufferSize), c.lines)
            << "in the background, chunk " << nChunk << " buffer " << nBufferSize << " data " << c.data;
      }
    }
  }
}

TEST(LineReaderTest, AFailedReadInTheBackgroundShowsWhenItsBytesAreNeeded) {
  // Reads of 4 bytes: operation 1 opens, reads are 2 to 6, the last one at
  // the end of the file. Every line before the failed read's bytes is
  // given, then the failure.
  const std::string data = "aaa\nbbb\nccc\nddd\n";
  for (size_t nFailAt = 2; nFailAt <= 7; ++nFailAt) {
    CMemoryPlatform platform;
    platform.m_files["temp.txt"] = data;
    platform.m_nReadChunk = 4;
    platform.m_nFailAt = nFailAt;
    std::unique_ptr<CFile> pFile = platform.OpenForReading("temp.txt");
    CLineReader reader(*pFile, 4, true);
    std::vector<std::string> lines;
    std::string strCaught;
    try {
      std::string_view line;
      while (reader.ReadLine(line)) lines.emplace_back(line);
    } catch (const CFileException& e) {
      strCaught = e.FileName();
    }
    EXPECT_EQ(strCaught, nFailAt <= 6 ? CMemoryPlatform::FullPathOf("temp.txt") : "") << nFailAt;
    EXPECT_EQ(lines.size(), std::min<size_t>(nFailAt - 2, 4)) << nFailAt;
  }
}

TEST(LineReaderTest, ReadsNothingAfterTheEndByte) {
  CMemoryPlatform platform;
  platform.m_files["temp.txt"] = std::string("a\n\x1a") + std::string(3 * CLineReader::kBufferSize, 'x');
  platform.m_nReadChunk = 4;
  std::unique_ptr<CFile> pFile = platform.OpenForReading("temp.txt");
  CLineReader reader(*pFile);
  std::string_view line;
  while (reader.ReadLine(line)) {
  }
  size_t nRead = 0;
  for (const CMemoryPlatform::COperation& op : platform.m_operations) nRead += op.nSize;
  EXPECT_EQ(nRead, 4u);
}

TEST(LineReaderTest, GivesBufferedLinesAsTheyWereRead) {
  CMemoryPlatform platform;
  platform.m_files["temp.txt"] = "a\r\nb\nc\r\r\n\r\nd";
  std::unique_ptr<CFile> pFile = platform.OpenForReading("temp.txt");
  CLineReader reader(*pFile);
  std::vector<std::string> asRead;
  std::string_view line;
  while (reader.ReadLine(line)) asRead.emplace_back(reader.LastLineAsRead());
  // The buffer is filled on the first read, across buffers; the last line
  // has no line feed and is read across buffers too.
  EXPECT_EQ(asRead, (std::vector<std::string>{"", "b\n", "c\r\r\n", "\r\n", ""}));
}

TEST(LineReaderTest, KeepsLongLinesWhole) {
  const std::string longLine(3 * CLineReader::kBufferSize + 17, 'q');
  const std::vector<std::string> lines = ReadAll("a\r\n" + longLine + "\r\nb", CLineReader::kBufferSize);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], longLine);
  EXPECT_EQ(lines[2], "b");
}

}  // namespace
