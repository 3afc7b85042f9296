#include <cmath>

#include "convert/dravel03_doc.h"
#include "geometry/placement.h"

// Moves the point from the base corner of the text box to the opposite
// corner, B + d + H·n. Every operation is rounded once, in this grouping.
void CDravel03Doc::FlipPlacement(CPlacement& p) const {
  const double dLength = std::sqrt(p.dx * p.dx + p.dy * p.dy);
  const double dHeight = ScaledHeight();
  const double k = dHeight / dLength;
  p.x = (p.dx + p.x) - k * p.dy;
  p.y = (k * p.dx + p.y) + p.dy;
}
