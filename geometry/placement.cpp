#include "geometry/placement.h"

#include <cmath>

#include "fields/field_list.h"

namespace {

double SnapToZero(double dValue) { return dValue * dValue >= 0.1 ? dValue : 0.0; }

double ReadSnapped(const CFieldList& fields, int nField) {
  return SnapToZero(CFieldList::ReadNumber(fields.m_strField[nField]));
}

}  // namespace

CPlacement ReadPlacement(const CFieldList& fields) {
  CPlacement placement;
  ReadDirection(fields, placement);
  ReadPoint(fields, placement);
  return placement;
}

void ReadDirection(const CFieldList& fields, CPlacement& placement) {
  placement.dx = ReadSnapped(fields, 3);
  placement.dy = ReadSnapped(fields, 4);
}

void ReadPoint(const CFieldList& fields, CPlacement& placement) {
  placement.x = ReadSnapped(fields, 1);
  placement.y = ReadSnapped(fields, 2);
}

bool IsFinite(const CPlacement& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.dx) && std::isfinite(p.dy);
}
