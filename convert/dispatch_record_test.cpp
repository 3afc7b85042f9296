#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "convert/dravel03_doc.h"

namespace {

const char kConsumed[] = "<consumed>";

// Runs lines through the dispatch of one pass; a consumed line shows as
// kConsumed.
std::vector<std::string> Dispatch(CDravel03Doc& doc, const std::vector<std::string>& lines,
                                  CPassState& state) {
  std::vector<std::string> written;
  for (const std::string& line : lines) {
    std::optional<std::string_view> text = doc.DispatchRecord(line, state);
    written.push_back(text ? std::string(*text) : kConsumed);
  }
  return written;
}

std::vector<std::string> Dispatch(CDravel03Doc& doc, const std::vector<std::string>& lines) {
  CPassState state;
  return Dispatch(doc, lines, state);
}

TEST(DispatchRecordTest, ConsumesHeadersAndWritesHqAsHd) {
  for (const char* mode : {"/G1", "/G2", "/G3", "", "x"}) {
    CDravel03Doc doc(NativePlatform(), "");
    doc.m_strMode = mode;
    const std::vector<std::string> written =
        Dispatch(doc, {"hq", "hq 1 2 3", "hs 1 2", "hcw 1 2", "hch 1 2", "hcd 1", "hsx", " hq", ""});
    const std::vector<std::string> expected = {"hd",      "hd",      kConsumed, kConsumed, kConsumed,
                                               kConsumed, "hsx",     "hd",      ""};
    EXPECT_EQ(written, expected) << mode;
  }
}

TEST(DispatchRecordTest, HeaderRecordsSetTheTables) {
  CDravel03Doc doc(NativePlatform(), "");
  Dispatch(doc, {"hs 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17", "hch 1 2 3 4 5 6 7 8 9 10", "cn0 9 7.5 9"});
  for (int i = 0; i < 17; ++i) EXPECT_EQ(doc.m_nScale[i], i + 1);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(doc.m_dHeight[i], i);
  EXPECT_EQ(doc.m_dHeight[0], 7.5);
  // A second "hs" replaces all scales, missing ones with 0; fractions are cut
  // and letters a to f read as 10 to 15.
  Dispatch(doc, {"hs 1.5 0.5 -3 a f", "hch 9", "cn1"});
  const int32_t scales[17] = {1, 0, -3, 10, 15};
  for (int i = 0; i < 17; ++i) EXPECT_EQ(doc.m_nScale[i], scales[i]) << i;
  EXPECT_EQ(doc.m_dHeight[1], 9);
  EXPECT_EQ(doc.m_dHeight[2], 0);
  EXPECT_EQ(doc.m_dHeight[0], 7.5);  // "hch" leaves the custom height
  EXPECT_EQ(doc.m_nSizeIndex, 1);
}

TEST(DispatchRecordTest, IndexRecordsTakeTheLastByte) {
  const struct {
    const char* line;
    int32_t layerGroup, sizeIndex, align;
    double customHeight;
  } cases[] = {
      {"lg", 0, -1, -1, -1},    {"lgf", 15, -1, -1, -1},   {"lgF", 0, -1, -1, -1},
      {"lg3 x", 3, -1, -1, -1}, {"lgxyz9", 9, -1, -1, -1}, {"cn", -1, 0, -1, 4},
      {"cn10 1 4 1", -1, 0, -1, 4}, {"cna", -1, 10, -1, -1}, {"cnabc 1 2", -1, -1, -1, -1},
      {"cn0", -1, 0, -1, 0},    {"cc", -1, -1, 12, -1},    {"cc4", -1, -1, 4, -1},
      {"ccz", -1, -1, 0, -1},
  };
  for (const auto& c : cases) {
    CDravel03Doc doc(NativePlatform(), "");
    doc.m_nLayerGroup = doc.m_nSizeIndex = doc.m_nAlign = -1;
    doc.m_dHeight[0] = -1;
    const std::string line = std::string(c.line) + (std::string(c.line) == "cn" ? " 1 4 1" : "");
    EXPECT_EQ(Dispatch(doc, {line}), std::vector<std::string>{line});
    EXPECT_EQ(doc.m_nLayerGroup, c.layerGroup) << c.line;
    EXPECT_EQ(doc.m_nSizeIndex, c.sizeIndex) << c.line;
    EXPECT_EQ(doc.m_nAlign, c.align) << c.line;
    EXPECT_EQ(doc.m_dHeight[0], c.customHeight) << c.line;
  }
}

TEST(DispatchRecordTest, FollowsMsgBlocksAndTheirReferenceLine) {
  CDravel03Doc doc(NativePlatform(), "");
  doc.m_strMode = "/G3";
  doc.m_strSubMode = "/M3";
  CPassState state;
  Dispatch(doc, {"hs 1", "hch 2.5", "cn1"}, state);
  const std::vector<std::string> written = Dispatch(doc,
      {"1 2 3 4",               // outside a block: not a reference line
       "cs 80 40 -30 0 A",      // outside: copied in /G3
       "msg", "# x", "#", "msg", "msg",
       "0 5 5 5",               // reads as 0: not captured
       "cs 80 40 -30 0 B",      // no reference line yet: stays
       "10 50 110 50 REF",      // captured
       "abc 1 2 3",
       "cs 80 40 -30 0 C",      // mirrored
       "#",
       "cs 80 40 -30 0 D",      // outside again
       "msg",
       "cs 80 40 -30 0 E"},     // the last reference line still holds
      state);
  const std::vector<std::string> expected = {
      "1 2 3 4", "cs 80 40 -30 0 A", "msg", "# x", "#", "msg", "msg", "0 5 5 5",
      "cs 80 40 -30 0 B", "10 50 110 50 REF", "abc 1 2 3", "cs 80 62.5 -30 0 C", "#",
      "cs 80 40 -30 0 D", "msg", "cs 80 62.5 -30 0 E"};
  EXPECT_EQ(written, expected);
  EXPECT_TRUE(state.bInMsg);
  EXPECT_EQ(state.strReference, "10 50 110 50 REF");
}

TEST(DispatchRecordTest, FlipsTextRecordsOnlyInG1AndG2) {
  const std::vector<std::string> lines = {
      "hs 1", "hch 2.5", "cn1",
      "ch 10 20 -30 0 A", "cv 10 20 0 30 A", "cp 10 20 -30 0 A", "ct 10 20 -30 0 A",
      "ck 10 20 -30 0 A", "cz 10 20 -30 0 A", "c2 10 20 -30 0 A", "cs 10 20 -30 0 A",
      "CH 10 20 -30 0 A", "ch1 10 20 -30 0 A", "cx 10 20 -30 0 A", "  ch 10 20 -30 0 A"};
  for (const char* mode : {"/G1", "/G3", "", "/g1", "-G1"}) {
    CDravel03Doc doc(NativePlatform(), "");
    doc.m_strMode = mode;
    const std::vector<std::string> written = Dispatch(doc, lines);
    const bool bFlip = std::string(mode) == "/G1";
    for (size_t i = 3; i < lines.size(); ++i) {
      const bool bKeyword = i < 11 || i == 14;
      const bool bTurned = written[i] != lines[i];
      EXPECT_EQ(bTurned, bFlip && bKeyword) << mode << " " << lines[i] << " -> " << written[i];
    }
  }
}

TEST(DispatchRecordTest, TheNumberTestReadsTheWholeFirstField) {
  CDravel03Doc doc(NativePlatform(), "");
  CPassState state;
  const std::string longNumber = std::string(40, '0') + "1";
  Dispatch(doc, {"msg", longNumber + " 2 3 4"}, state);
  EXPECT_EQ(state.strReference, longNumber + " 2 3 4");
  Dispatch(doc, {"\t7 1 1 1", "1e999 x"}, state);
  EXPECT_EQ(state.strReference, "1e999 x");
}

}  // namespace
