#include "convert/dravel03_doc.h"
#include "fields/field_list.h"
#include "geometry/number_format.h"
#include "geometry/placement.h"

// Turns a text record whose direction the run mode does not accept by 180
// degrees within its own text box, keeping its alignment code.
std::string_view CDravel03Doc::FlipTextRecord(std::string_view line, std::string& strOut) const {
  CFieldList fields;
  fields.Split(line, " ");
  // The decision needs the direction alone; the point is read for a turn.
  CPlacement p;
  ReadDirection(fields, p);

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
  const bool bAccepted = fields.m_strField[0] == "cv" ? (b < 0 || (b == 0 && a > 0))
                                                      : (a > 0 || (a == 0 && b > 0));
  if (bAccepted) return line;
  ReadPoint(fields, p);

  // The direction is negated only when written, so the second shift works
  // with the direction as read.
  if (m_nAlign != 0) ShiftAnchor(p);
  FlipPlacement(p);
  if (m_nAlign != 0) ShiftAnchor(p);

  // A record without a length of its own, or with values beyond the double
  // range, has no turned place: it stays as it was.
  if (!IsFinite(p)) return line;
  return WriteRecordLine(strOut, fields.m_strField[0], p.x, p.y, -p.dx, -p.dy, fields.From(5));
}

