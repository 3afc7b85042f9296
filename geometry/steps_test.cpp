#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "convert/dravel03_doc.h"
#include "fields/record_head.h"
#include "geometry/number_format.h"
#include "geometry/placement.h"
#include "tests/doc_fixture.h"

namespace {

std::string Point(const CPlacement& p) { return FormatNumber(p.x) + ", " + FormatNumber(p.y); }

TEST(FlipPlacementTest, MovesThePointToTheOppositeCorner) {
  const struct {
    double h, x, y, dx, dy;
    const char* after;
  } cases[] = {
      {2.5, 10, 20, -30, 0, "-20, 17.5"},
      {2.5, 10, 20, 0, 30, "7.5, 50"},
      {2, 10, 20, -3, -4, "8.6, 14.8"},
      // The grouping (k·dx + y) + dy leaves a rounding residue; y + (k·dx + dy)
      // would give 0.
      {1, 5, 4.6, -3, -4, "2.8, -4.44089209850063e-016"},
      {0, 10, 20, -30, 0, "-20, 20"},
      {-2, 10, 20, -3, -4, "5.4, 17.2"},
  };
  for (const auto& c : cases) {
    CDravel03Doc doc(NativePlatform(), "");
    SetScaledHeight(doc, c.h);
    CPlacement p;
    p.x = c.x, p.y = c.y, p.dx = c.dx, p.dy = c.dy;
    doc.FlipPlacement(p);
    EXPECT_EQ(Point(p), c.after) << "H " << c.h << " d " << c.dx << "," << c.dy;
    EXPECT_EQ(p.dx, c.dx);
    EXPECT_EQ(p.dy, c.dy);
  }
}

TEST(ShiftAnchorTest, MovesFromTheNamedPointToTheBaseCorner) {
  const char* const after[16] = {"10, 20",     "8.5, 18",    "7, 16",      "10.8, 19.4",
                                 "9.3, 17.4",  "7.8, 15.4",  "11.6, 18.8", "10.1, 16.8",
                                 "8.6, 14.8",  "10, 20",     "10, 20",     "10, 20",
                                 "10, 20",     "10, 20",     "10, 20",     "10, 20"};
  for (int nAlign = 0; nAlign < 16; ++nAlign) {
    CDravel03Doc doc(NativePlatform(), "");
    SetScaledHeight(doc, 2);
    doc.m_nAlign = nAlign;
    CPlacement p;
    p.x = 10, p.y = 20, p.dx = 3, p.dy = 4;
    doc.ShiftAnchor(p);
    EXPECT_EQ(Point(p), after[nAlign]) << "code " << nAlign;
  }
}

TEST(IsSkewToReferenceTest, ComparesSteepness) {
  const struct {
    double x1, y1, x2, y2, dx, dy;
    bool skew;
  } cases[] = {
      {10, 50, 110, 50, -30, 0, false},
      {10, 50, 110, 50, -30, -10, true},
      {10, 10, 70, 90, -30, -40, false},
      {10, 10, 70, 90, 30, -40, false},  // the mirror image in an axis
      {0, 0, 100, 1, 1000, 10.0011, true},
      {0, 0, 100, 1, 1000, 10.001, false},
      {0, 0, 0, 0, 3, 4, false},
  };
  for (const auto& c : cases) {
    CDravel03Doc doc(NativePlatform(), "");
    doc.m_dRef[0] = c.x1, doc.m_dRef[1] = c.y1, doc.m_dRef[2] = c.x2, doc.m_dRef[3] = c.y2;
    CPlacement p;
    p.dx = c.dx, p.dy = c.dy;
    EXPECT_EQ(doc.IsSkewToReference(p), c.skew) << c.dx << "," << c.dy;
  }
}

TEST(ReadPlacementTest, SnapsSmallValuesToZero) {
  const struct {
    const char* field;
    double value;
  } cases[] = {
      {"0.2", 0},   {"-0.3", 0},   {"0.316227766016837", 0}, {"0.316227766016838", 0.316227766016838},
      {"0.32", 0.32}, {"-0.5", -0.5}, {"x", 0},             {"1e999", std::numeric_limits<double>::infinity()},
  };
  for (const auto& c : cases) {
    const std::string line = std::string("ch ") + c.field + " " + c.field + " " + c.field + " " + c.field;
    const CPlacement p = ReadPlacement(ReadRecordHead(line));
    for (double v : {p.x, p.y, p.dx, p.dy}) {
      EXPECT_EQ(v, c.value) << c.field;
      if (c.value == 0) {
        EXPECT_FALSE(std::signbit(v)) << c.field;  // positive zero
      }
    }
  }
  const CPlacement p = ReadPlacement(ReadRecordHead("ch 1"));
  EXPECT_EQ(p.x, 1);
  EXPECT_EQ(p.y, 0);
  EXPECT_EQ(p.dy, 0);
}

TEST(ScaledHeightTest, SizeIndexesWithoutAnEntryHaveHeightZero) {
  CDravel03Doc doc(NativePlatform(), "");
  EXPECT_EQ(doc.ScaledHeight(), 0);
  doc.m_nScale[3] = -2;
  doc.m_dHeight[10] = 1.5;
  doc.m_nLayerGroup = 3;
  doc.m_nSizeIndex = 10;
  EXPECT_EQ(doc.ScaledHeight(), -3);
  for (int nIndex = 11; nIndex <= 15; ++nIndex) {
    doc.m_nSizeIndex = nIndex;
    EXPECT_EQ(doc.ScaledHeight(), 0);
  }
}

}  // namespace
