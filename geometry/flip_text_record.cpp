#include "convert/dravel03_doc.h"
#include "fields/record_head.h"
#include "geometry/number_format.h"
#include "geometry/placement.h"

// Turns a text record whose direction the run mode does not accept by 180
// degrees within its own text box, keeping its alignment code.
std::string_view CDravel03Doc::FlipTextRecord(std::string_view line, std::string& strOut) const {
  const CRecordHead head = ReadRecordHead(line);
  CPlacement p = ReadPlacement(head);

  // The test direction: as read under "/G1", a quarter turn counter-clockwise
  // under "/G2".
  double a, b;
  if (IsMode("/G1")) {
    a = p.dx;
    b = p.dy;
  } else if (IsMode("/G2")) {
    a = p.dy * -1.0;
    b = p.dx;
  } else {
    return line;
  }
  const bool bAccepted = head.strKeyword == "cv" ? (b < 0 || (b == 0 && a > 0))
                                               : (a > 0 || (a == 0 && b > 0));
  if (bAccepted) return line;

  // The direction is negated only when written, so the second shift works
  // with the direction as read.
  if (m_nAlign != 0) ShiftAnchor(p);
  FlipPlacement(p);
  if (m_nAlign != 0) ShiftAnchor(p);

  // A record without a length of its own, or with values beyond the double
  // range, has no turned place: it stays as it was.
  if (!IsFinite(p)) return line;
  return WriteRecordLine(strOut, head.strKeyword, p.x, p.y, -p.dx, -p.dy, head.strText);
}

