#include <gtest/gtest.h>

#include <random>
#include <string>

#include "convert/dravel03_doc.h"
#include "geometry/number_format.h"
#include "tests/doc_fixture.h"

namespace {

struct FlipCase {
  const char* mode;
  double height;
  int align;
  std::string line;
  std::string written;
};

TEST(FlipTextRecordTest, TurnsWhatTheModeDoesNotAccept) {
  const FlipCase cases[] = {
      {"/G1", 2.5, 0, "ch 10 20 30 0 ABC", "ch 10 20 30 0 ABC"},
      {"/G1", 2.5, 0, "ch 10 20 -30 0 ABC", "ch -20 17.5 30 0 ABC"},
      {"/G1", 2.5, 4, "ch 10 20 -30 0 ABC", "ch 10 20 30 0 ABC"},
      {"/G1", 2, 0, "ch 10 20 -3 -4 ABC", "ch 8.6 14.8 3 4 ABC"},
      {"/G1", 2, 9, "ch 10 20 -3 -4 ABC", "ch 8.6 14.8 3 4 ABC"},
      {"/G1", 2, 1, "ch 10 20 -3 -4 ABC", "ch 11.6 18.8 3 4 ABC"},
      {"/G1", 2, 2, "ch 10 20 -3 -4 ABC", "ch 14.6 22.8 3 4 ABC"},
      {"/G1", 2, 3, "ch 10 20 -3 -4 ABC", "ch 7 16 3 4 ABC"},
      {"/G1", 2, 5, "ch 10 20 -3 -4 ABC", "ch 13 24 3 4 ABC"},
      {"/G1", 2, 6, "ch 10 20 -3 -4 ABC", "ch 5.4 17.2 3 4 ABC"},
      {"/G1", 2, 7, "ch 10 20 -3 -4 ABC", "ch 8.4 21.2 3 4 ABC"},
      {"/G1", 2, 8, "ch 10 20 -3 -4 ABC", "ch 11.4 25.2 3 4 ABC"},
      {"/G1", 2.5, 0, "ch 10 20 -30 -10 ABC", "ch -19.2094305849579 7.62829175487371 30 10 ABC"},
      {"/G1", 2.5, 0, "ct 10 20 -30 10 ABC", "ct -20.7905694150421 27.6282917548737 30 -10 ABC"},
      {"/G2", 2.5, 0, "ch 10 20 0 30 ABC", "ch 7.5 50 0 -30 ABC"},
      {"/G2", 2.5, 0, "ch 10 20 0 -30 ABC", "ch 10 20 0 -30 ABC"},
      {"/G1", 2.5, 0, "cv 10 20 0 -30 ABC", "cv 10 20 0 -30 ABC"},
      {"/G1", 2.5, 0, "cv 10 20 0 30 ABC", "cv 7.5 50 0 -30 ABC"},
      {"/G2", 2.5, 0, "cv 10 20 -30 0 ABC", "cv 10 20 -30 0 ABC"},
      {"/G2", 2.5, 0, "cv 10 20 30 0 ABC", "cv 40 22.5 -30 0 ABC"},
      {"/G1", 2.5, 0, "cs 10 20 -30 0 ABC", "cs -20 17.5 30 0 ABC"},
      {"/G1", 2.5, 0, "ch 0.2 20 -30 0.3 ABC", "ch -30 17.5 30 0 ABC"},
      {"/G1", 1, 0, "ch 5 4.6 -3 -4 T", "ch 2.8 -4.44089209850063e-016 3 4 T"},
      // The text is kept whole: every word, and the blanks within and after it.
      {"/G1", 2.5, 0, "ch 10 20 -30 0 HELLO WORLD", "ch -20 17.5 30 0 HELLO WORLD"},
      {"/G1", 2.5, 0, "ch 10 20 -30 0 A  B  ", "ch -20 17.5 30 0 A  B  "},
      {"/G1", 2.5, 0, "ch 10 20 -30 0", "ch -20 17.5 30 0 "},
      {"/G1", 2.5, 0, "ch  10   20 -30 0 ABC", "ch -20 17.5 30 0 ABC"},
      {"/G1", 2.5, 0, "ch 10 20 30 0.2 HELLO WORLD", "ch 10 20 30 0.2 HELLO WORLD"},
      {"/G1", 2.5, 0, "ch 10 20 -30 0 \x95\x5c\x81\x40\x83\x7c", "ch -20 17.5 30 0 \x95\x5c\x81\x40\x83\x7c"},
      // A direction of length 0, or values beyond the double range, have no
      // turned place: the record stays as it was.
      {"/G1", 2.5, 0, "ch 10 20 0 0 ABC", "ch 10 20 0 0 ABC"},
      {"/G2", 0, 4, "ch 10 20 0.1 0 ABC", "ch 10 20 0.1 0 ABC"},
      {"/G1", 2.5, 0, "ch 1e999 20 -30 0 ABC", "ch 1e999 20 -30 0 ABC"},
      {"/G1", 2.5, 0, "ch -1e308 20 -1e308 0 ABC", "ch -1e308 20 -1e308 0 ABC"},
  };
  for (const FlipCase& c : cases) {
    CDravel03Doc doc(NativePlatform(), "");
    doc.m_strMode = c.mode;
    SetScaledHeight(doc, c.height);
    doc.m_nAlign = c.align;
    EXPECT_EQ(doc.FlipTextRecord(c.line), c.written) << c.mode << " " << c.line;
  }
}

TEST(FlipTextRecordTest, DecidesTheAxisDirections) {
  const struct {
    double dx, dy;
    bool turned[4];  // /G1 other, /G1 cv, /G2 other, /G2 cv
  } cases[] = {
      {30, 0, {false, false, false, true}},
      {0, 30, {false, true, true, true}},
      {-30, 0, {true, true, true, false}},
      {0, -30, {true, false, false, false}},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < 4; ++i) {
      CDravel03Doc doc(NativePlatform(), "");
      doc.m_strMode = i < 2 ? "/G1" : "/G2";
      SetScaledHeight(doc, 2.5);
      const std::string line = std::string(i % 2 ? "cv" : "ch") + " 10 20 " + FormatNumber(c.dx) +
                               " " + FormatNumber(c.dy) + " T";
      EXPECT_EQ(doc.FlipTextRecord(line) != line, c.turned[i]) << doc.m_strMode << " " << line;
    }
  }
}

TEST(FlipTextRecordTest, ATurnedRecordComesBackUnchanged) {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> coordinate(-1000, 1000);
  std::uniform_int_distribution<int> align(0, 15);
  const char* const keywords[] = {"ch", "cv", "ct", "c2"};
  for (const char* mode : {"/G1", "/G2"}) {
    for (int i = 0; i < 2000; ++i) {
      CDravel03Doc doc(NativePlatform(), "");
      doc.m_strMode = mode;
      SetScaledHeight(doc, coordinate(random) / 100);
      doc.m_nAlign = align(random);
      const std::string line = std::string(keywords[i % 4]) + " " + FormatNumber(coordinate(random)) +
                               " " + FormatNumber(coordinate(random)) + " " +
                               FormatNumber(coordinate(random)) + " " +
                               FormatNumber(coordinate(random)) + " TEXT";
      const std::string turned = doc.FlipTextRecord(line);
      EXPECT_EQ(doc.FlipTextRecord(turned), turned) << mode << " " << line;
    }
  }
}

}  // namespace
