#include "geometry/placement.h"

#include <cmath>

#include "fields/record_head.h"

namespace {

double SnapToZero(double dValue) { return dValue * dValue >= 0.1 ? dValue : 0.0; }

}  // namespace

CPlacement ReadPlacement(const CRecordHead& head) {
  CPlacement placement;
  placement.x = SnapToZero(head.dNumber[0]);
  placement.y = SnapToZero(head.dNumber[1]);
  placement.dx = SnapToZero(head.dNumber[2]);
  placement.dy = SnapToZero(head.dNumber[3]);
  return placement;
}

bool IsFinite(const CPlacement& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.dx) && std::isfinite(p.dy);
}
