#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "fields/field_list.h"
#include "fields/short_decimal.h"

namespace {

// The decimal number at the start of a text, as the file's grammar has it:
// digits with an optional point and fraction, then an optional exponent
// introduced by e, E, d or D.
struct CNumberText {
  bool bNegative = false;
  std::string_view mantissa;  // digits and point, no sign
  std::string_view exponent;  // sign and digits after the letter; may be empty
  char cLetter = 0;           // the exponent letter, 0 when there is none
};

size_t SkipDigits(std::string_view text, size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

bool ScanNumber(std::string_view text, CNumberText& number) {
  size_t i = 0;
  while (i < text.size() && IsNumberSpace(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.bNegative = text[i++] == '-';
  const size_t nStart = i;
  i = SkipDigits(text, i);
  size_t nDigits = i - nStart;
  if (i < text.size() && text[i] == '.') {
    const size_t nFraction = i + 1;
    i = SkipDigits(text, nFraction);
    nDigits += i - nFraction;
  }
  if (nDigits == 0) return false;
  number.mantissa = text.substr(nStart, i - nStart);
  if (i < text.size()) {
    const char c = text[i];
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
      size_t j = i + 1;
      if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
      const size_t nEnd = SkipDigits(text, j);
      if (nEnd > j) {
        number.cLetter = c;
        number.exponent = text.substr(i + 1, nEnd - i - 1);
      }
    }
  }
  return true;
}

// Whether a value out of the double range is too large (rather than too
// small): the power of ten of its first significant digit is not negative.
bool IsOverflow(const CNumberText& number) {
  const std::string_view m = number.mantissa;
  const size_t nPoint = std::min(m.find('.'), m.size());
  const size_t nFirst = m.find_first_not_of("0.");
  if (nFirst == std::string_view::npos) return false;
  long long nPower = nFirst < nPoint ? static_cast<long long>(nPoint - nFirst) - 1
                                     : -static_cast<long long>(nFirst - nPoint);
  long long nExponent = 0;
  const bool bNegativeExponent = !number.exponent.empty() && number.exponent[0] == '-';
  for (char c : number.exponent) {
    if (!IsDigit(c)) continue;
    nExponent = std::min(nExponent * 10 + (c - '0'), 1000000000LL);  // saturate
  }
  nPower += bNegativeExponent ? -nExponent : nExponent;
  return nPower >= 0;
}

double ParseMagnitude(const CNumberText& number) {
  // from_chars knows only "e"; a "d" exponent, rare in practice, needs a
  // copy with the letter changed.
  std::string strCopy;
  const char* pBegin = number.mantissa.data();
  const char* pEnd = number.exponent.data() + number.exponent.size();
  if (number.cLetter == 0) {
    pEnd = pBegin + number.mantissa.size();
  } else if (number.cLetter == 'd' || number.cLetter == 'D') {
    strCopy.assign(pBegin, pEnd);
    strCopy[number.mantissa.size()] = 'e';
    pBegin = strCopy.data();
    pEnd = pBegin + strCopy.size();
  }
  double dValue = 0;
  const std::from_chars_result result =
      std::from_chars(pBegin, pEnd, dValue, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    return IsOverflow(number) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return dValue;
}

}  // namespace

double CFieldList::ReadNumber(std::string_view text) {
  double dShort;
  if (ReadShortDecimal(text, dShort) != 0) return dShort;
  CNumberText number;
  if (!ScanNumber(text, number)) return 0;
  const double dMagnitude = ParseMagnitude(number);
  return number.bNegative ? -dMagnitude : dMagnitude;
}
