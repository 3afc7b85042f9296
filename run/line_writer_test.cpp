#include "run/line_writer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/file.h"
#include "tests/memory_platform.h"

namespace {

std::vector<size_t> WriteSizes(const CMemoryPlatform& platform) {
  std::vector<size_t> sizes;
  for (const CMemoryPlatform::COperation& op : platform.m_operations) {
    if (op.nKind == CMemoryPlatform::Operation::Write) sizes.push_back(op.nSize);
  }
  return sizes;
}

TEST(LineWriterTest, WritesLinesAndBytesAsReadInOrder) {
  CMemoryPlatform platform;
  std::unique_ptr<CFile> pFile = platform.OpenForWriting("jwc_temp.txt");
  CLineWriter writer(*pFile, 16);
  writer.WriteLine("ab");                           // 4 bytes, kept
  writer.WriteAsRead("cd\r\n");                     // under half a buffer: copied, 8 kept
  writer.WriteAsRead("0123456789abcdef\r\n");       // half a buffer or more: its own write
  writer.WriteLine("e");
  writer.WriteAsRead("fghij\r\n");                  // 3 + 7 bytes fit
  writer.WriteAsRead("lmnop\r\n");                  // 10 + 7 do not: those 10 go first
  writer.Flush();
  EXPECT_EQ(platform.m_files["jwc_temp.txt"],
            "ab\r\ncd\r\n0123456789abcdef\r\ne\r\nfghij\r\nlmnop\r\n");
  EXPECT_EQ(WriteSizes(platform), (std::vector<size_t>{8, 18, 10, 7}));
}

}  // namespace
