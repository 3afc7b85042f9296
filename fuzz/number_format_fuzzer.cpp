// The number output rule on any 64-bit pattern: the text is well formed,
// and a normal value below 1e308 reads back to a double that is written
// with the same text. (Above, the 15-digit text can round up past the
// largest double.)
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "fields/field_list.h"
#include "fuzz/require.h"
#include "geometry/number_format.h"
#include "tests/pass_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  uint64_t nBits = 0;
  std::memcpy(&nBits, pData, nSize < sizeof nBits ? nSize : sizeof nBits);
  double dValue;
  std::memcpy(&dValue, &nBits, sizeof dValue);

  const std::string strText = FormatNumber(dValue);
  Require(IsWrittenNumber(strText, !std::isfinite(dValue)), "malformed text " + strText);
  if (std::isnormal(dValue) && std::fabs(dValue) < 1e308) {
    const double dRead = CFieldList::ReadNumber(strText);
    Require(FormatNumber(dRead) == strText, strText + " reads back as " + FormatNumber(dRead));
  }
  return 0;
}
