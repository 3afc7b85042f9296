#include "convert/dravel03_doc.h"

CDravel03Doc::CDravel03Doc(CPlatform& platform, std::string strFirstArgument)
    : m_platform(platform), m_strFirstArgument(std::move(strFirstArgument)) {}

double CDravel03Doc::ScaledHeight() const {
  // Size indexes 11 to 15 have no height entry: their text has height 0.
  const bool bScale = m_nLayerGroup >= 0 && m_nLayerGroup < kScaleCount;
  const bool bHeight = m_nSizeIndex >= 0 && m_nSizeIndex < kHeightCount;
  const double dScale = bScale ? static_cast<double>(m_nScale[m_nLayerGroup]) : 0.0;
  const double dHeight = bHeight ? m_dHeight[m_nSizeIndex] : 0.0;
  return dScale * dHeight;
}
