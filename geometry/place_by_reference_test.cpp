#include <gtest/gtest.h>

#include <string>

#include "convert/dravel03_doc.h"
#include "tests/doc_fixture.h"

namespace {

struct PlaceCase {
  const char* mode;
  const char* subModeBefore;
  std::string reference;
  std::string record;
  std::string written;
  const char* subModeAfter;
};

TEST(PlaceByReferenceTest, TurnsMirrorsOrKeeps) {
  const PlaceCase cases[] = {
      {"/G1", "/M3", "10 50 110 50", "cs 20 60 30 0 ABC", "cs 20 60 30 0 ABC", "/M3"},
      {"/G1", "", "10 50 110 50", "cs 80 60 -30 0 ABC", "cs 50 57.5 30 0 ABC", "/M1"},
      {"/G1", "", "10 50 110 50", "cs 80 40 -30 0 ABC", "cs 50 60 30 0 ABC", "/M2"},
      {"/G1", "", "10 50 110 50", "cs 80 40 -30 -10 ABC",
       "cs 50.7905694150421 27.6282917548737 30 10 ABC", "/M1"},
      {"/G1", "", "10 50 110 50", "cs 80 50 -30 0 ABC", "cs 50 50 30 0 ABC", "/M2"},
      {"/G1", "", "10 50 110 50", "cs 40 50 -30 0 ABC", "cs 10 47.5 30 0 ABC", "/M1"},
      {"/G1", "", "10 10 70 90", "cs 60 40 -30 -40 ABC", "cs -5.2 26.4 30 40 ABC", "/M2"},
      {"/G1", "", "10 10 70 90", "cs 20 60 -30 -40 ABC", "cs 25.2 -6.39999999999999 30 40 ABC", "/M2"},
      {"/G2", "/M2", "50 10 50 110", "cs 60 80 0 -30 ABC", "cs 60 80 0 -30 ABC", "/M2"},
      {"/G2", "", "50 10 50 110", "cs 40 80 0 30 ABC", "cs 60 110 0 -30 ABC", "/M2"},
      {"/G2", "", "50 10 50 110", "cs 50 80 0 30 ABC", "cs 47.5 110 0 -30 ABC", "/M1"},
      {"/G3", "/M3", "10 50 110 50", "cs 80 40 -30 0 ABC", "cs 80 62.5 -30 0 ABC", "/M3"},
      {"/G3", "/M3", "110 50 10 50", "cs 80 40 -30 0 ABC", "cs 80 62.5 -30 0 ABC", "/M3"},
      {"/G3", "/M2", "10 50 110 50", "cs 20 40 30 0", "cs 50 60 -30 0 ", "/M2"},
      // The text is kept whole.
      {"/G3", "/M1", "10 50 110 50", "cs 0.3 40 30 0.2 ABC DEF", "cs 30 42.5 -30 0 ABC DEF", "/M1"},
      {"/G3", "", "10 50 110 50", "cs 80 40 -30 0 ABC", "cs 80 40 -30 0 ABC", ""},
      {"x", "/M3", "10 50 110 50", "cs 80 40 -30 0 ABC", "cs 80 62.5 -30 0 ABC", "/M3"},
      // A midpoint difference below 1e-7 counts as zero and goes to the tie
      // rule; one just above it does not.
      {"/G1", "", "10 50 110 50.0000001", "cs 40 50 -30 0 ABC", "cs 10 47.5 30 0 ABC", "/M1"},
      {"/G1", "", "10 50 110 50.0000002", "cs 40 50 -30 0 ABC", "cs 9.999999995 50.00000012 30 0 ABC",
       "/M2"},
      // A zero-length reference line (or none yet) has no mirror: the record
      // stays under "/M2" and "/M3", the sub-mode is still chosen.
      {"/G3", "/M3", "", "cs 80 40 -30 0 ABC", "cs 80 40 -30 0 ABC", "/M3"},
      {"/G3", "/M2", "5 5 5 5", "cs 80 40 -30 0 ABC", "cs 80 40 -30 0 ABC", "/M2"},
      {"/G1", "/M1", "5 5 5 5", "cs 80 -40 -30 0 ABC", "cs 80 -40 -30 0 ABC", "/M2"},
      {"/G3", "/M1", "", "cs 80 40 -30 0 ABC", "cs 50 37.5 30 0 ABC", "/M1"},
      // A direction of length 0 cannot be turned.
      {"/G1", "", "10 50 110 50", "cs 80 40 0 0 ABC", "cs 80 40 0 0 ABC", "/M2"},
  };
  for (const PlaceCase& c : cases) {
    CDravel03Doc doc(NativePlatform(), "");
    doc.m_strMode = c.mode;
    doc.m_strSubMode = c.subModeBefore;
    SetScaledHeight(doc, 2.5);
    EXPECT_EQ(doc.PlaceByReference(c.reference, c.record), c.written)
        << c.mode << " " << c.subModeBefore << " | " << c.reference << " | " << c.record;
    EXPECT_EQ(doc.m_strSubMode, c.subModeAfter) << c.record;
  }
}

TEST(PlaceByReferenceTest, StoresTheReferenceLine) {
  CDravel03Doc doc(NativePlatform(), "");
  doc.m_strSubMode = "/M3";
  doc.PlaceByReference("0.2 -1 3 4 more fields", "cs 1 2 3 4 T");
  EXPECT_EQ(doc.m_dRef[0], 0.2);  // no snapping on the reference line
  EXPECT_EQ(doc.m_dRef[1], -1);
  EXPECT_EQ(doc.m_dRef[2], 3);
  EXPECT_EQ(doc.m_dRef[3], 4);
  doc.PlaceByReference("", "cs 1 2 3 4 T");
  for (double v : doc.m_dRef) EXPECT_EQ(v, 0);
}

}  // namespace
