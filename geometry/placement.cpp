#include "geometry/placement.h"

#include <cmath>

#include "fields/record_head.h"

namespace {

double SnapToZero(double dValue) { return dValue * dValue >= 0.1 ? dValue : 0.0; }

double ReadSnapped(const CRecordHead& head, int nField) {
  return SnapToZero(head.dNumber[nField - 1]);
}

}  // namespace

CPlacement ReadPlacement(const CRecordHead& head) {
  CPlacement placement;
  ReadDirection(head, placement);
  ReadPoint(head, placement);
  return placement;
}

void ReadDirection(const CRecordHead& head, CPlacement& placement) {
  placement.dx = ReadSnapped(head, 3);
  placement.dy = ReadSnapped(head, 4);
}

void ReadPoint(const CRecordHead& head, CPlacement& placement) {
  placement.x = ReadSnapped(head, 1);
  placement.y = ReadSnapped(head, 2);
}

bool IsFinite(const CPlacement& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.dx) && std::isfinite(p.dy);
}
