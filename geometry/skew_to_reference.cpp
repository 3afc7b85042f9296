#include <cmath>

#include "convert/dravel03_doc.h"
#include "geometry/placement.h"

// Whether the direction differs in steepness from the reference line. The
// tolerance is absolute: D is a product of two lengths, not scaled by them.
bool CDravel03Doc::IsSkewToReference(const CPlacement& p) const {
  const double x1 = m_dRef[0], y1 = m_dRef[1], x2 = m_dRef[2], y2 = m_dRef[3];
  const double d = std::fabs((y2 - y1) * p.dx) - std::fabs((x2 - x1) * p.dy);
  return d * d > 0.01;
}
