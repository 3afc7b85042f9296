#include "fields/record_head.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void ExpectSameAsSplit(const std::string& line) {
  const CRecordHead head = ReadRecordHead(line);
  const CRecordHead split = SplitRecordHead(line);
  EXPECT_EQ(head.strKeyword, split.strKeyword) << line;
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(SameBits(head.dNumber[i], split.dNumber[i])) << line << " #" << i;
  // The same bytes of the line, not only the same text.
  EXPECT_EQ(head.strText.data(), split.strText.data()) << line;
  EXPECT_EQ(head.strText.size(), split.strText.size()) << line;
}

TEST(RecordHeadTest, ReadsKeywordNumbersAndText) {
  const CRecordHead head = ReadRecordHead("ch 254.427 -289.5 0 -28 Vxtd Ofqbp  Oitz ");
  EXPECT_EQ(head.strKeyword, "ch");
  EXPECT_EQ(head.dNumber[0], 254.427);
  EXPECT_EQ(head.dNumber[1], -289.5);
  EXPECT_EQ(head.dNumber[2], 0);
  EXPECT_EQ(head.dNumber[3], -28);
  EXPECT_EQ(head.strText, "Vxtd Ofqbp  Oitz ");
}

TEST(RecordHeadTest, AgreesWithTheFullSplit) {
  const char* const lines[] = {
      "ch 1 2 3 4 text",
      "ch 1 2 3 4",
      "ch 1 2 3 4 ",
      "ch 1 2 3 4    spaced  text",
      "   ch   1   2   3   4   text",
      "ch 1 2 3",
      "ch",
      "",
      "ch 1e2 2 3 4 exponent",
      "ch 1d2 2 3 4 letter d",
      "ch 1 2 3 4e",
      "ch 12abc 2 3 4 junk after a number",
      "ch 1\t2 3 4 5 a tab",
      "ch \t1 2 3 4 a tab before",
      "ch +1 -2 .5 5. signs and points",
      "ch - 2 3 4 a bare sign",
      "ch 1.2.3 2 3 4 two points",
      "ch 12345678901234567890 2 3 4 twenty digits",
      "ch 9007199254740993 2 3 4 past 2^53",
      "ch 0.0000000000000000000001 2 3 4 22 decimals",
      "ch 0.00000000000000000000001 2 3 4 23 decimals",
      "ch 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22",
      "ch 1 2 3 4 \x81\x40\x83\x5c",
  };
  for (const char* line : lines) ExpectSameAsSplit(line);
}

TEST(RecordHeadTest, AgreesWithTheFullSplitOnRandomRecords) {
  // Records of numbers, mostly plain, with odd ones among them and blanks or
  // other bytes between, cut at every length so that numbers also end at the
  // line's end.
  std::mt19937 random(11);
  const char* const numbers[] = {"0", "-24", "254.427", "-17.3702872840859", "289.462627726966",
                                 "+.5", "5.", "12345678901234567", "1e3", "2D", "-", "x7", ""};
  const char* const separators[] = {" ", " ", " ", "  ", "\t", " \x81\x40"};
  for (int n = 0; n < 20000; ++n) {
    std::string line = "ch";
    for (int i = 0; i < 6; ++i) {
      line += separators[random() % std::size(separators)];
      line += numbers[random() % (i < 4 ? std::size(numbers) : 4)];
    }
    ExpectSameAsSplit(line);
    ExpectSameAsSplit(line.substr(0, random() % (line.size() + 1)));
  }
}

}  // namespace
