// The pass through the system's files with an input and an output of many
// buffers, which are read and written in the background.
#include <gtest/gtest.h>

#include <string>

#include "convert/dravel03_doc.h"
#include "run/line_reader.h"
#include "tests/test_support.h"

namespace {

TEST(ConvertNativeTest, AFileOfManyBuffersComesOutWhole) {
  // A scaled text height of 2.5; then a turned record, a segment and a
  // line without CR, again and again.
  const std::string strHeader =
      "hs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nhch 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5\r\nlg0\r\ncn1\r\n";
  const std::string strBlock = "ch 10 20 -30 -10 ABC\r\n1 2 3 4\r\nlc1\n";
  const std::string strBlockOut = "ch -19.2094305849579 7.62829175487371 30 10 ABC\r\n1 2 3 4\r\nlc1\r\n";
  std::string strInput = strHeader;
  std::string strExpected = "lg0\r\ncn1\r\n";
  while (strInput.size() < 5 * CLineReader::kBufferSize + 100) {
    strInput += strBlock;
    strExpected += strBlockOut;
  }
  CScratchDir dir;
  WriteFile("temp.txt", strInput);
  CCapturingPlatform platform;
  CDravel03Doc doc(platform, "/G1");
  doc.NewDocument();
  EXPECT_TRUE(platform.m_messages.empty());
  EXPECT_FALSE(doc.FileErrorReported());
  EXPECT_TRUE(ReadFile("jwc_temp.txt") == strExpected);
  EXPECT_TRUE(ReadFile("temp.txt") == strInput);
}

}  // namespace
