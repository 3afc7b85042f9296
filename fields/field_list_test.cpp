#include "fields/field_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct SplitCase {
  std::string line;
  std::vector<std::string> fields;
  int result;
};

std::string Numbered(int from, int to, const char* tail) {
  std::string s;
  for (int i = from; i <= to; ++i) s += (i > from ? " f" : "f") + std::to_string(i);
  return s + tail;
}

std::vector<std::string> NumberedFields(int from, int to) {
  std::vector<std::string> v;
  for (int i = from; i <= to; ++i) v.push_back("f" + std::to_string(i));
  return v;
}

TEST(SplitTest, SplitsAtSingleBlanks) {
  const SplitCase cases[] = {
      {"ch 10 20 -30 -10 ABC", {"ch", "10", "20", "-30", "-10", "ABC"}, 5},
      {"cs 1 2 3 4 ABC DEF", {"cs", "1", "2", "3", "4", "ABC", "DEF"}, 6},
      {"  a  b ", {"a", "b"}, 2},
      {"", {}, 0},
      {"    ", {}, 0},
      {"10\t20 30", {"10\t20", "30"}, 1},
      {Numbered(1, 20, ""), NumberedFields(1, 20), 19},
      {Numbered(1, 20, " "), NumberedFields(1, 20), 20},
      {Numbered(1, 22, ""), NumberedFields(1, 20), 20},
      {std::string("a\0b c", 5), {std::string("a\0b", 3), "c"}, 1},
  };
  for (const SplitCase& c : cases) {
    CFieldList fields;
    EXPECT_EQ(fields.Split(c.line, " "), c.result) << c.line;
    for (int i = 0; i < CFieldList::kFieldCount; ++i) {
      const std::string expected = i < static_cast<int>(c.fields.size()) ? c.fields[i] : "";
      EXPECT_EQ(fields.m_strField[i], expected) << c.line << " field " << i;
    }
  }
}

TEST(SplitTest, AnySeparator) {
  CFieldList fields;
  EXPECT_EQ(fields.Split("a::b::", "::"), 2);
  EXPECT_EQ(fields.m_strField[0], "a");
  EXPECT_EQ(fields.m_strField[1], "b");
  EXPECT_EQ(fields.m_strField[2], "");
}

TEST(SplitTest, EmptySeparatorKeepsTheLineWhole) {
  CFieldList fields;
  EXPECT_EQ(fields.Split("a b", ""), 0);
  EXPECT_EQ(fields.m_strField[0], "a b");
}

TEST(SplitTest, SplittingAgainForgetsTheFormerFields) {
  CFieldList fields;
  fields.Split("a b c", " ");
  fields.Split("d", " ");
  EXPECT_EQ(fields.m_strField[0], "d");
  EXPECT_EQ(fields.m_strField[1], "");
}

TEST(SplitTest, FromGivesTheRestOfTheLine) {
  const struct {
    std::string line;
    std::string from5;
  } cases[] = {
      {"ch 10 20 -30 0 HELLO WORLD", "HELLO WORLD"},
      {"ch 10 20 -30 0 A  B  ", "A  B  "},
      {"ch 10 20 -30 0", ""},
      {"ch 10 20 -30 0 ", ""},
      {"ch 10", ""},
      {Numbered(0, 24, ""), Numbered(5, 24, "")},
  };
  for (const auto& c : cases) {
    CFieldList fields;
    fields.Split(c.line, " ");
    EXPECT_EQ(fields.From(5), c.from5) << c.line;
  }
}

TEST(FirstFieldTest, IsTheFirstFieldOfTheSplit) {
  for (const std::string line : {"ch 1 2", "  ab  cd", "", "   ", "x", "\tq r", "a "}) {
    CFieldList fields;
    fields.Split(line, " ");
    EXPECT_EQ(FirstField(line), fields.m_strField[0]) << line;
  }
}

struct ReadCase {
  std::string text;
  double number;
  int32_t index;
};

TEST(ReaderTest, ReadsNumbersAndIndexes) {
  const double inf = std::numeric_limits<double>::infinity();
  const ReadCase cases[] = {
      {"7", 7, 7},        {"12", 12, 12},     {"-2", -2, -2},      {"+5", 5, 5},
      {"3.9", 3.9, 3},    {"0.5", 0.5, 0},    {".5", 0.5, 0},      {"5.", 5, 5},
      {"1e3", 1000, 1},   {"1D3", 1000, 1},   {"1d-3", 0.001, 1},  {"2.5e", 2.5, 2},
      {"2.5e+", 2.5, 2},  {"12abc", 12, 12},  {"0x10", 0, 0},      {"1,5", 1, 1},
      {"a", 0, 10},       {"f", 0, 15},       {"A", 0, 0},         {"g", 0, 0},
      {"ab", 0, 0},       {"a1", 0, 0},       {"1a", 1, 1},        {"0", 0, 0},
      {"", 0, 0},         {"\t3", 3, 3},      {"1e999", inf, 1},   {"-1e999", -inf, -1},
      {"1e-999", 0, 1},   {"4294967306", 4294967306.0, 10},        {"inf", 0, 0},
      {"nan", 0, 0},      {".", 0, 0},        {"-", 0, 0},         {"+.e1", 0, 0},
      {"0.000e99999", 0, 0},                  {"1e99999999999999999999", inf, 1},
      {"-2147483649", -2147483649.0, 2147483647},
  };
  for (const ReadCase& c : cases) {
    EXPECT_EQ(CFieldList::ReadNumber(c.text), c.number) << c.text;
    EXPECT_EQ(CFieldList::ReadIndex(c.text), c.index) << c.text;
  }
}

TEST(ReaderTest, NegativeZeroKeepsItsSign) {
  EXPECT_TRUE(std::signbit(CFieldList::ReadNumber("-0")));
  EXPECT_TRUE(std::signbit(CFieldList::ReadNumber("-1e-999")));
  EXPECT_FALSE(std::signbit(CFieldList::ReadNumber("0")));
}

TEST(ReaderTest, ReadsTheNearestDouble) {
  // Halfway cases and long texts need the whole text, not a prefix.
  EXPECT_EQ(CFieldList::ReadNumber("9007199254740993"), 9007199254740992.0);
  EXPECT_EQ(CFieldList::ReadNumber("9007199254740993.0000000000000000000001"), 9007199254740994.0);
  EXPECT_EQ(CFieldList::ReadNumber("0.316227766016838"), 0.316227766016838);
  EXPECT_EQ(CFieldList::ReadNumber("4.9406564584124654e-324"), 4.9406564584124654e-324);
  const std::string longText = "1." + std::string(5000, '0') + "1";
  EXPECT_EQ(CFieldList::ReadNumber(longText), 1.0);
  const std::string longInteger = std::string(400, '9');
  EXPECT_EQ(CFieldList::ReadNumber(longInteger), std::numeric_limits<double>::infinity());
  EXPECT_EQ(CFieldList::ReadNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(ReaderTest, LetterValue) {
  const std::pair<std::string, int32_t> cases[] = {
      {"a", 10}, {"b", 11}, {"c", 12}, {"d", 13}, {"e", 14}, {"f", 15},
      {"g", 0},  {"A", 0},  {"aa", 0}, {"", 0},   {"1", 0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(CFieldList::LetterValue(text), value) << text;
}

}  // namespace
