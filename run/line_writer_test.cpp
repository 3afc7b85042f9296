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

// Lines and bytes as read through a writer of 16 bytes: what is written,
// and in which pieces. The pieces end at line ends only.
void WriteTheSequence(CLineWriter& writer) {
  writer.WriteLine("ab");                        // 4 bytes kept
  writer.WriteAsRead("cd\r\n");                  // 8 kept
  writer.WriteAsRead("0123456789abcdef\r\n");    // longer than the buffer: 8, then these 18
  writer.WriteLine("e");                         // 3 kept
  writer.WriteAsRead("fghij\r\nklm\r\nnop\r\n");  // 3 + 7 + 5 fit, 3 + 7 + 5 + 5 do not
  writer.WriteLine("");
  writer.Flush();
}

const char kSequence[] = "ab\r\ncd\r\n0123456789abcdef\r\ne\r\nfghij\r\nklm\r\nnop\r\n\r\n";

TEST(LineWriterTest, WritesLinesAndBytesAsReadInOrder) {
  for (bool bInBackground : {false, true}) {
    CMemoryPlatform platform;
    std::unique_ptr<CFile> pFile = platform.OpenForWriting("jwc_temp.txt");
    CLineWriter writer(*pFile, 16, bInBackground);
    WriteTheSequence(writer);
    EXPECT_EQ(platform.m_files["jwc_temp.txt"], kSequence) << bInBackground;
    EXPECT_EQ(WriteSizes(platform), (std::vector<size_t>{8, 18, 15, 7})) << bInBackground;
  }
}

TEST(LineWriterTest, AFailedWriteShowsAndEndsTheWriting) {
  // Operation 1 opens the file; the writes are 2 to 5.
  for (bool bInBackground : {false, true}) {
    for (size_t nFailAt = 2; nFailAt <= 5; ++nFailAt) {
      CMemoryPlatform platform;
      platform.m_nFailAt = nFailAt;
      std::unique_ptr<CFile> pFile = platform.OpenForWriting("jwc_temp.txt");
      CLineWriter writer(*pFile, 16, bInBackground);
      std::string strCaught;
      try {
        WriteTheSequence(writer);
      } catch (const CFileException& e) {
        strCaught = e.FileName();
      }
      EXPECT_EQ(strCaught, CMemoryPlatform::FullPathOf("jwc_temp.txt")) << nFailAt;
      EXPECT_TRUE(writer.Failed());
      // The writes before the failed one, and none after it.
      const std::vector<size_t> sizes = WriteSizes(platform);
      EXPECT_EQ(sizes.size(), nFailAt - 1) << nFailAt << " " << bInBackground;
      size_t nWritten = 0;
      for (size_t i = 0; i + 1 < sizes.size(); ++i) nWritten += sizes[i];
      EXPECT_EQ(platform.m_files["jwc_temp.txt"], std::string(kSequence, nWritten)) << nFailAt;
    }
  }
}

}  // namespace
