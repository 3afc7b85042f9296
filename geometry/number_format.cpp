#include "geometry/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kDigits = 15;

// The magnitude's 15 significant digits and the power of ten of the first.
struct CDecimal {
  char digits[kDigits];
  int nExponent;
};

// The long path, for every finite magnitude.
CDecimal RoundTo15DigitsByText(double dMagnitude) {
  // to_chars gives the exact value rounded to 17 digits, ties to even; for
  // the 15 digits that follow, ties to even and half up at 17 digits agree.
  char text[32];
  std::to_chars_result result =
      std::to_chars(text, text + sizeof text, dMagnitude, std::chars_format::scientific, 16);
  // text: d.dddddddddddddddde±xx[x]
  CDecimal decimal;
  decimal.digits[0] = text[0];
  std::memcpy(decimal.digits + 1, text + 2, kDigits - 1);
  int nExponent = 0;
  for (const char* p = text + 20; p < result.ptr; ++p) nExponent = nExponent * 10 + (*p - '0');
  if (text[19] == '-') nExponent = -nExponent;
  if (text[2 + kDigits - 1] >= '5') {                 // the 16th digit: half up
    int i = kDigits - 1;
    while (i >= 0 && decimal.digits[i] == '9') decimal.digits[i--] = '0';
    if (i >= 0) {
      ++decimal.digits[i];
    } else {
      decimal.digits[0] = '1';
      ++nExponent;
    }
  }
  decimal.nExponent = nExponent;
  return decimal;
}

// Decimal exponents that the exact integer path below takes: those of plain
// notation, where nearly every written number lies.
constexpr int kFastLowest = -4;
constexpr int kFastHighest = 14;

// The exact value of the double, scaled by 10^p, needs more than 64 bits:
// GCC and Clang (MinGW included) have a 128-bit integer.
__extension__ typedef unsigned __int128 CUint128;

constexpr int kMaxScale = 16 - (kFastLowest - 1);

constexpr std::array<uint64_t, kMaxScale + 1> PowersOfFive() {
  std::array<uint64_t, kMaxScale + 1> powers{};
  uint64_t nPower = 1;
  for (uint64_t& n : powers) {
    n = nPower;
    nPower *= 5;
  }
  return powers;
}

constexpr std::array<uint64_t, kMaxScale + 1> kPowersOfFive = PowersOfFive();

constexpr uint64_t kTen15 = 1000000000000000u;
constexpr uint64_t kTen16 = 10000000000000000u;
constexpr uint64_t kTen17 = 100000000000000000u;

constexpr std::array<char, 200> DigitPairs() {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}

constexpr std::array<char, 200> kDigitPairs = DigitPairs();

// Writes n < 10^15 as 15 digits. Two digits per division, in two halves that
// do not wait for each other: the chain of divisions is the cost here.
void WriteDigits(uint64_t n, char* pDigits) {
  uint64_t nHigh = n / 100000000;  // digits 0 to 6
  uint64_t nLow = n % 100000000;   // digits 7 to 14
  for (int i = 13; i >= 7; i -= 2) {
    std::memcpy(pDigits + i, &kDigitPairs[2 * (nLow % 100)], 2);
    nLow /= 100;
  }
  for (int i = 5; i >= 1; i -= 2) {
    std::memcpy(pDigits + i, &kDigitPairs[2 * (nHigh % 100)], 2);
    nHigh /= 100;
  }
  pDigits[0] = static_cast<char>('0' + nHigh);
}

// floor(m·2^q·10^p) and whether the dropped part is at least one half. A
// double is m·2^q exactly, and m·2^q·10^p = (m·5^p)·2^(q+p): with m < 2^53 and
// p <= 21, m·5^p < 2^102, so the product and the shift are exact.
bool ScaleExactly(uint64_t m, int q, int p, uint64_t& nFloor, bool& bHalfOrMore) {
  const int nShift = -(q + p);
  if (nShift < 1 || nShift > 127) return false;  // outside the fast range
  const CUint128 product = static_cast<CUint128>(m) * kPowersOfFive[p];
  const CUint128 whole = product >> nShift;
  if (whole >= kTen17 * 10) return false;
  nFloor = static_cast<uint64_t>(whole);
  const CUint128 remainder = product - (whole << nShift);
  bHalfOrMore = remainder >= (static_cast<CUint128>(1) << (nShift - 1));
  return true;
}

// The two half-up roundings done on the exact value in integer arithmetic,
// for magnitudes of plain notation; false for any other magnitude.
bool RoundTo15DigitsExactly(double dMagnitude, CDecimal& decimal) {
  uint64_t nBits;
  std::memcpy(&nBits, &dMagnitude, sizeof nBits);
  const int nBiased = static_cast<int>(nBits >> 52);
  if (nBiased == 0) return false;  // subnormal: far outside the range
  const uint64_t m = (nBits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
  const int q = nBiased - 1075;
  // The value lies in [2^(q+52), 2^(q+53)): its decimal exponent is this
  // guess or one more.
  int e = static_cast<int>(std::floor((q + 52) * 0.30102999566398120));
  if (e < kFastLowest - 1 || e > kFastHighest) return false;
  uint64_t n;
  bool bHalfOrMore;
  if (!ScaleExactly(m, q, 16 - e, n, bHalfOrMore)) return false;
  if (n >= kTen17) {
    ++e;
    if (!ScaleExactly(m, q, 16 - e, n, bHalfOrMore)) return false;
  }
  if (n < kTen16 || n >= kTen17 || e < kFastLowest || e > kFastHighest) return false;
  // 17 digits, half up; then their last two digits, half up, give 15.
  if (bHalfOrMore) ++n;
  n = (n + 50) / 100;
  if (n == kTen15) {  // 99999999999999950 and up round to a power of ten
    n = kTen15 / 10;
    ++e;
  }
  WriteDigits(n, decimal.digits);
  decimal.nExponent = e;
  return true;
}

CDecimal RoundTo15Digits(double dMagnitude) {
  CDecimal decimal;
  if (RoundTo15DigitsExactly(dMagnitude, decimal)) return decimal;
  return RoundTo15DigitsByText(dMagnitude);
}

// The number of digits left once zeros at the end are removed.
int SignificantCount(const CDecimal& decimal) {
  int n = kDigits;
  while (n > 1 && decimal.digits[n - 1] == '0') --n;
  return n;
}

// The writers below fill a small buffer that AppendNumber appends in one
// step: the longest number, "-1.23456789012345e-100", has 22 bytes.
constexpr size_t kLongestNumber = 24;

char* CopyText(char* pOut, std::string_view text) {
  std::memcpy(pOut, text.data(), text.size());
  return pOut + text.size();
}

// nCount digits of the decimal from digit nFrom on.
std::string_view Digits(const CDecimal& decimal, int nFrom, int nCount) {
  return std::string_view(decimal.digits + nFrom, static_cast<size_t>(nCount));
}

char* WritePlain(char* pOut, const CDecimal& decimal) {
  const int nCount = SignificantCount(decimal);
  const int e = decimal.nExponent;
  if (e < 0) {
    *pOut++ = '0';
    *pOut++ = '.';
    for (int i = -1; i > e; --i) *pOut++ = '0';
    return CopyText(pOut, Digits(decimal, 0, nCount));
  }
  pOut = CopyText(pOut, Digits(decimal, 0, e + 1));
  if (nCount > e + 1) {
    *pOut++ = '.';
    pOut = CopyText(pOut, Digits(decimal, e + 1, nCount - e - 1));
  }
  return pOut;
}

char* WriteExponent(char* pOut, const CDecimal& decimal) {
  const int nCount = SignificantCount(decimal);
  *pOut++ = decimal.digits[0];
  if (nCount > 1) {
    *pOut++ = '.';
    pOut = CopyText(pOut, Digits(decimal, 1, nCount - 1));
  }
  const int e = decimal.nExponent;
  const int nMagnitude = e < 0 ? -e : e;
  *pOut++ = 'e';
  *pOut++ = e < 0 ? '-' : '+';
  *pOut++ = static_cast<char>('0' + nMagnitude / 100);
  *pOut++ = static_cast<char>('0' + nMagnitude / 10 % 10);
  *pOut++ = static_cast<char>('0' + nMagnitude % 10);
  return pOut;
}

char* WriteNotFinite(char* pOut, double dValue) {
  if (std::isinf(dValue)) return CopyText(pOut, dValue < 0 ? "-1.#INF" : "1.#INF");
  uint64_t nBits;
  std::memcpy(&nBits, &dValue, sizeof nBits);
  // The not-a-number that invalid operations produce on this hardware.
  constexpr uint64_t kIndefinite = 0xFFF8000000000000u;
  if (nBits == kIndefinite) return CopyText(pOut, "-1.#IND");
  return CopyText(pOut, std::signbit(dValue) ? "-1.#QNAN" : "1.#QNAN");
}

// Writes the number at pOut, at most kLongestNumber bytes; returns its end.
char* WriteNumber(char* pOut, double dValue) {
  if (!std::isfinite(dValue)) return WriteNotFinite(pOut, dValue);
  if (dValue == 0) {
    *pOut++ = '0';
    return pOut;
  }
  if (dValue < 0) *pOut++ = '-';
  const double dMagnitude = std::fabs(dValue);
  // A whole number below 10^15 has at most 15 digits, which both roundings
  // keep: it is written as it is, as directions and lengths often are.
  const uint64_t nWhole = dMagnitude < 1e15 ? static_cast<uint64_t>(dMagnitude) : 0;
  if (static_cast<double>(nWhole) == dMagnitude) {
    return std::to_chars(pOut, pOut + kLongestNumber - 1, nWhole).ptr;
  }
  const CDecimal decimal = RoundTo15Digits(dMagnitude);
  if (decimal.nExponent >= -4 && decimal.nExponent <= 14) return WritePlain(pOut, decimal);
  return WriteExponent(pOut, decimal);
}

}  // namespace

void AppendNumber(std::string& strOut, double dValue) {
  char text[kLongestNumber];
  const char* pEnd = WriteNumber(text, dValue);
  strOut.append(text, static_cast<size_t>(pEnd - text));
}

std::string FormatNumber(double dValue) {
  std::string strOut;
  AppendNumber(strOut, dValue);
  return strOut;
}

std::string_view WriteRecordLine(std::string& strLine, std::string_view strKeyword, double x,
                                 double y, double dx, double dy, std::string_view strText) {
  // Sized for the longest numbers, written in place, then cut to length.
  strLine.resize(strKeyword.size() + 4 * (1 + kLongestNumber) + 1 + strText.size());
  char* pOut = CopyText(strLine.data(), strKeyword);
  for (double dValue : {x, y, dx, dy}) {
    *pOut++ = ' ';
    pOut = WriteNumber(pOut, dValue);
  }
  *pOut++ = ' ';
  pOut = CopyText(pOut, strText);
  strLine.resize(static_cast<size_t>(pOut - strLine.data()));
  return strLine;
}

