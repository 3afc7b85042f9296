#pragma once

#include "convert/dravel03_doc.h"

// A document whose scaled text height is `dHeight` (layer group 0 with scale
// 1 or -1, size index 1), for tests of the steps and rewrites.
inline void SetScaledHeight(CDravel03Doc& doc, double dHeight) {
  doc.m_nLayerGroup = 0;
  doc.m_nSizeIndex = 1;
  doc.m_nScale[0] = dHeight < 0 ? -1 : 1;
  doc.m_dHeight[1] = dHeight < 0 ? -dHeight : dHeight;
}
