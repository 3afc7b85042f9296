// Big and strange inputs through the whole pass, with files in memory.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "convert/dravel03_doc.h"
#include "run/line_reader.h"
#include "tests/memory_platform.h"
#include "tests/pass_check.h"

namespace {

const char* const kModes[] = {"", "/G1", "/G2", "/G3", "/M1", "/M2", "/M3"};

// The header that gives a scaled text height of 2.5, and the record of the
// road of one line under "/G1" with what it becomes, text aside.
const char kHeader[] =
    "hs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\nhch 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5\nlg0\ncn1\n";
const char kHeaderOut[] = "lg0\r\ncn1\r\n";
const char kTurned[] = "ch -19.2094305849579 7.62829175487371 30 10 ";

std::string Convert(const std::string& strMode, const std::string& strInput,
                    size_t nBufferSize = CLineReader::kBufferSize) {
  CMemoryPlatform platform;
  platform.m_files["temp.txt"] = strInput;
  CDravel03Doc doc(platform, strMode);
  doc.m_nFileBufferSize = nBufferSize;
  doc.NewDocument();
  EXPECT_FALSE(doc.FileErrorReported()) << strMode;
  EXPECT_TRUE(platform.m_messages.empty()) << strMode;
  return platform.m_files["jwc_temp.txt"];
}

TEST(ConvertInputsTest, A50MegabyteLineIsKeptWhole) {
  std::string strText(50 * 1024 * 1024, 'T');
  for (size_t i = 96; i < strText.size(); i += 97) strText[i] = ' ';
  const std::string strRecord = std::string("ch 10 20 -30 -10 ") + strText;
  EXPECT_TRUE(Convert("/G3", strRecord) == strRecord + "\r\n");
  EXPECT_TRUE(Convert("/G1", kHeader + strRecord) == kHeaderOut + (kTurned + strText) + "\r\n");
}

TEST(ConvertInputsTest, NumbersOfAnyLengthAreReadWhole) {
  // 10.000...0 with a million zeros, and -30 and -10 with as many leading zeros.
  const std::string strZeros(1000 * 1000, '0');
  const std::string strRecord = "ch 10." + strZeros + " 20 -" + strZeros + "30 -" + strZeros + "10 ABC\n";
  EXPECT_EQ(Convert("/G1", kHeader + strRecord), kHeaderOut + std::string(kTurned) + "ABC\r\n");
}

TEST(ConvertInputsTest, OnlyLineFeeds) {
  const size_t nLines = 1000 * 1000;
  std::string strExpected;
  for (size_t i = 0; i < nLines; ++i) strExpected += "\r\n";
  for (const char* pMode : kModes) EXPECT_TRUE(Convert(pMode, std::string(nLines, '\n')) == strExpected);
}

TEST(ConvertInputsTest, RandomBytes) {
  std::mt19937 random(20261211);
  std::string strBytes(1024 * 1024, '\0');
  for (char& c : strBytes) c = static_cast<char>(random());
  std::string strWithoutEnd = strBytes;  // 0x1A would end the input within the first kilobyte
  for (char& c : strWithoutEnd) {
    if (c == '\x1A') c = '\n';
  }
  for (const std::string& strInput : {strBytes, strWithoutEnd}) {
    for (const char* pMode : kModes) {
      EXPECT_EQ(CheckPassOutput(strInput, Convert(pMode, strInput)), "") << pMode;
    }
  }
}

TEST(ConvertInputsTest, EveryByteValueInALine) {
  std::string strText;
  for (int c = 0; c < 256; ++c) {
    if (c != '\n' && c != 0x1A) strText += static_cast<char>(c);
  }
  const std::string strRecord = "ch 10 20 -30 -10 " + strText;
  EXPECT_EQ(Convert("/G3", strRecord + "\n"), strRecord + "\r\n");
  EXPECT_EQ(Convert("/G1", kHeader + strRecord + "\n"), kHeaderOut + (kTurned + strText) + "\r\n");
  EXPECT_EQ(Convert("/G1", strText + "\n"), strText + "\r\n");
}

TEST(ConvertInputsTest, ShiftJisSecondBytesThatLookLikeAscii) {
  // 表示 ソフト ポ|ー: second bytes 0x5C (backslash) and 0x7C (bar), a
  // full-width space between them, and a text ending in a 0x5C.
  const std::string strText = "\x95\x5C\x8E\xA6\x81\x40\x83\x5C\x83\x74\x83\x67 \x83\x7C\x81\x5B";
  const std::string strTail = "\x83\x5C";
  const std::string strInput = std::string(kHeader) + "ch 10 20 -30 -10 " + strText + "\r\n" +
                               "ch 10 20 30 10 " + strTail + "\r\n" + strText + "\n";
  EXPECT_EQ(Convert("/G1", strInput), kHeaderOut + (kTurned + strText) + "\r\n" + "ch 10 20 30 10 " +
                                          strTail + "\r\n" + strText + "\r\n");
}

TEST(ConvertInputsTest, UnchangedLinesBetweenOthersKeepTheirPlace) {
  // Runs of unchanged CR LF lines, broken by a consumed header, "hq", a line
  // ending in LF alone, a line with a CR of its own and a turned record; at
  // buffer sizes that cut the runs anywhere.
  const std::string strInput = std::string("lg0\r\ncn1\r\nhq\r\n1 2 3 4\r\n") +
                               "hs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n" +
                               "hch 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5\r\n5 6 7 8\n9 10\r\r\n" +
                               "ch 10 20 -30 -10 ABC\r\nch 10 20 30 10 DEF\r\nlc1\r\n\r\n";
  const std::string strExpected = std::string("lg0\r\ncn1\r\nhd\r\n1 2 3 4\r\n5 6 7 8\r\n9 10\r\r\n") +
                                  kTurned + "ABC\r\nch 10 20 30 10 DEF\r\nlc1\r\n\r\n";
  for (size_t nBufferSize : {size_t(2), size_t(3), size_t(5), size_t(16), size_t(64),
                             CLineReader::kBufferSize}) {
    EXPECT_EQ(Convert("/G1", strInput, nBufferSize), strExpected) << nBufferSize;
  }
}

TEST(ConvertInputsTest, ALineOfBlanks) {
  const std::string strBlanks(100 * 1000, ' ');
  for (const char* pMode : kModes) {
    EXPECT_TRUE(Convert(pMode, "msg\n" + strBlanks + "\n#\n" + strBlanks) ==
                "msg\r\n" + strBlanks + "\r\n#\r\n" + strBlanks + "\r\n")
        << pMode;
  }
}

TEST(ConvertInputsTest, TenThousandScaleRecordsInARow) {
  // Only the last one counts: the others give layer group 0 scale 0, and
  // a height of 0 would turn the record elsewhere.
  std::string strInput;
  for (int i = 0; i < 10000; ++i) strInput += "hs 0 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n";
  strInput += kHeader;
  strInput += "ch 10 20 -30 -10 ABC\n";
  EXPECT_EQ(Convert("/G1", strInput), kHeaderOut + std::string(kTurned) + "ABC\r\n");
  EXPECT_EQ(Convert("/G1", std::string(strInput, 0, strInput.find("hch"))), "");
}

}  // namespace
