#include <cmath>

#include "convert/dravel03_doc.h"
#include "geometry/placement.h"

// Moves the point by -(a/2)·d - (r/2)·H·n for the alignment code 3·r + a:
// from the point of the text box that the code names to its base corner.
// Across the direction, H is multiplied by the component before dividing by
// the length, unlike FlipPlacement; the two round differently.
void CDravel03Doc::ShiftAnchor(CPlacement& p) const {
  if (m_nAlign < 1 || m_nAlign > 8) return;
  const double dLength = std::sqrt(p.dx * p.dx + p.dy * p.dy);
  const double dHeight = ScaledHeight();
  switch (m_nAlign % 3) {
    case 1:
      p.x = p.x - p.dx * 0.5;
      p.y = p.y - p.dy * 0.5;
      break;
    case 2:
      p.x = p.x - p.dx;
      p.y = p.y - p.dy;
      break;
  }
  switch (m_nAlign / 3) {
    case 1:
      p.x = ((dHeight * p.dy) / dLength) * 0.5 + p.x;
      p.y = p.y - ((dHeight * p.dx) / dLength) * 0.5;
      break;
    case 2:
      p.x = (dHeight * p.dy) / dLength + p.x;
      p.y = p.y - (dHeight * p.dx) / dLength;
      break;
  }
}
