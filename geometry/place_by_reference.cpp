#include <cmath>

#include "convert/dravel03_doc.h"
#include "fields/field_list.h"
#include "fields/record_head.h"
#include "geometry/number_format.h"
#include "geometry/placement.h"

namespace {

// Differences below this count as zero in the choice of the sub-mode.
constexpr double kMidpointTolerance = 1e-7;

double SnapMidpoint(double d) { return std::fabs(d) < kMidpointTolerance ? 0.0 : d; }

// -1 for a direction pointing left, or straight down; +1 otherwise, a
// direction of length 0 included.
int DirectionSign(double dx, double dy) {
  if (dx < 0) return -1;
  if (dx != 0) return 1;
  return dy < 0 ? -1 : 1;
}

}  // namespace

// Turns a "cs" record of a msg block where it stands ("/M1"), mirrors it
// across the reference line and turns it ("/M2"), or mirrors it only ("/M3").
std::string_view CDravel03Doc::PlaceByReference(std::string_view reference, std::string_view record,
                                                std::string& strOut) {
  CFieldList referenceFields;
  referenceFields.Split(reference, " ");
  for (int i = 0; i < 4; ++i) m_dRef[i] = CFieldList::ReadNumber(referenceFields.m_strField[i]);
  const double x1 = m_dRef[0], y1 = m_dRef[1], x2 = m_dRef[2], y2 = m_dRef[3];

  const CRecordHead head = ReadRecordHead(record);
  CPlacement p = ReadPlacement(head);
  const int nReferenceSign = DirectionSign(x2 - x1, y2 - y1);
  const int nRecordSign = DirectionSign(p.dx, p.dy);

  // "/G1" and "/G2" choose the sub-mode for each record; "/G2" is "/G1"
  // with the axes turned by a quarter turn.
  if (m_strMode == "/G1" || m_strMode == "/G2") {
    const bool bG1 = m_strMode == "/G1";
    const bool bAccepted = bG1 ? (p.dx > 0 || (p.dx == 0 && p.dy > 0))
                               : (p.dy < 0 || (p.dy == 0 && p.dx > 0));
    if (bAccepted) return record;
    // Where the middle of the direction arrow lies from the middle of the
    // reference line.
    const double mx = SnapMidpoint((p.dx * 0.5 + p.x) - (x1 + x2) * 0.5);
    const double my = SnapMidpoint((p.dy * 0.5 + p.y) - (y2 + y1) * 0.5);
    const bool bTurnInPlace = bG1 ? (my > 0 || (my == 0 && mx < 0)) : (mx > 0 || (mx == 0 && my > 0));
    m_strSubMode = bTurnInPlace || IsSkewToReference(p) ? "/M1" : "/M2";
  }

  const bool bMirror = m_strSubMode == "/M2" || m_strSubMode == "/M3";
  if (m_strSubMode != "/M1" && !bMirror) return record;

  if (bMirror) {
    const double px = p.x - x1;
    const double py = p.y - y1;
    const double Dy = y2 - y1;
    const double Dx = x2 - x1;
    const double dLength = std::sqrt(Dx * Dx + Dy * Dy);
    const double ex = Dx / dLength;
    const double ey = Dy / dLength;
    const double u = ex * px + ey * py;
    const double v = ex * py - ey * px;
    const double w = (-v) - (static_cast<double>(nRecordSign * nReferenceSign) * ScaledHeight());
    const double xMirrored = (u * ex - w * ey) + x1;
    const double yMirrored = (ex * w + u * ey) + y1;
    if (m_strSubMode == "/M3") {
      CPlacement mirrored = p;
      mirrored.x = xMirrored;
      mirrored.y = yMirrored;
      // A zero-length reference line has no mirror: the record stays.
      if (!IsFinite(mirrored)) return record;
      return WriteRecordLine(strOut, "cs", mirrored.x, mirrored.y, mirrored.dx, mirrored.dy, head.strText);
    }
    p.x = xMirrored;
    p.y = yMirrored;
  }
  FlipPlacement(p);
  if (!IsFinite(p)) return record;
  return WriteRecordLine(strOut, head.strKeyword, p.x, p.y, -p.dx, -p.dy, head.strText);
}

