#include "geometry/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kDigits = 15;

// The magnitude's 15 significant digits and the power of ten of the first.
// The room after the digits lets the writers below copy them in fixed
// widths; what it holds never reaches the output.
struct CDecimal {
  char digits[32];
  int nCount;  // the digits left once zeros at the end are removed
  int nExponent;
};

constexpr uint64_t kTen8 = 100000000u;
constexpr uint64_t kTen15 = 1000000000000000u;
constexpr uint64_t kTen16 = 10000000000000000u;
constexpr uint64_t kTen17 = 100000000000000000u;
constexpr uint64_t kAsciiZeros = 0x3030303030303030u;

// The eight decimal digits of x < 10^8, one digit value per byte, the first
// digit in the lowest byte: in memory order on a little-endian machine. Each
// step halves the width of the lanes, dividing by a constant through a
// multiplication that is exact in that range, so the 8 digits take three
// steps that do not branch instead of a chain of eight divisions.
uint64_t EightDigits(uint64_t x) {
  uint64_t v = (x / 10000) | ((x % 10000) << 32);            // two lanes < 10^4
  uint64_t h = ((v * 10486) >> 20) & 0x0000007F0000007Fu;   // lane / 100
  v = h | ((v - h * 100) << 16);                             // four lanes < 100
  h = ((v * 103) >> 10) & 0x000F000F000F000Fu;              // lane / 10
  return h | ((v - h * 10) << 8);
}

int ZeroBytesAtTop(uint64_t nWord) { return __builtin_clzll(nWord) / 8; }
int ZeroBytesAtBottom(uint64_t nWord) { return __builtin_ctzll(nWord) / 8; }

void Store(char* pOut, uint64_t nWord) { std::memcpy(pOut, &nWord, sizeof nWord); }

// Sets the digits of n, 10^14 <= n < 10^15, and their count without the zeros
// at the end.
void SetDigits(uint64_t n, CDecimal& decimal) {
  const uint64_t nHigh = EightDigits(n / kTen8) >> 8;  // digits 0 to 6; n / 10^8 < 10^7
  const uint64_t nLow = EightDigits(n % kTen8);        // digits 7 to 14
  Store(decimal.digits, nHigh + (kAsciiZeros >> 8));
  Store(decimal.digits + 7, nLow + kAsciiZeros);
  // The zeros of nHigh, whose top byte is always empty and whose first digit
  // is never 0, count only when nLow is all zeros; | 1 makes those 7.
  const int nZeros = ZeroBytesAtTop(nLow | 1) + (nLow == 0) * ZeroBytesAtTop(nHigh);
  decimal.nCount = kDigits - nZeros;
}

// The long path, for every finite magnitude: the 15 digits as a whole
// number, and the power of ten of the first.
uint64_t RoundTo15DigitsByText(double dMagnitude, int& nExponent) {
  // to_chars gives the exact value rounded to 17 digits, ties to even; for
  // the 15 digits that follow, ties to even and half up at 17 digits agree.
  char text[32];
  std::to_chars_result result =
      std::to_chars(text, text + sizeof text, dMagnitude, std::chars_format::scientific, 16);
  // text: d.dddddddddddddddde±xx[x]
  uint64_t n = static_cast<uint64_t>(text[0] - '0');
  for (int i = 2; i < 2 + kDigits - 1; ++i) n = n * 10 + static_cast<uint64_t>(text[i] - '0');
  nExponent = 0;
  for (const char* p = text + 20; p < result.ptr; ++p) nExponent = nExponent * 10 + (*p - '0');
  if (text[19] == '-') nExponent = -nExponent;
  if (text[2 + kDigits - 1] >= '5') ++n;  // the 16th digit: half up
  if (n == kTen15) {
    n = kTen15 / 10;
    ++nExponent;
  }
  return n;
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

// floor(2·m·2^q·10^p): the floor of the scaled value, and in the last bit
// whether the part below it is at least one half. A double is m·2^q exactly,
// and m·2^q·10^p = (m·5^p)·2^(q+p): with m < 2^53 and p <= 21, m·5^p < 2^102,
// so the product and the shift are exact.
bool ScaleTwiceExactly(uint64_t m, int q, int p, uint64_t& nTwice) {
  const int nShift = -(q + p) - 1;
  if (nShift < 0 || nShift > 126) return false;  // outside the fast range
  const CUint128 twice = (static_cast<CUint128>(m) * kPowersOfFive[p]) >> nShift;
  if ((twice >> 64) != 0) return false;
  nTwice = static_cast<uint64_t>(twice);
  return true;
}

// floor(k·log10(2)) for |k| <= 1100, without the floating-point floor that
// costs a library call: 78913 / 2^18 is log10(2) closely enough there.
int FloorLog10OfPowerOfTwo(int k) {
  return k >= 0 ? (k * 78913) >> 18 : -((-k * 78913 + (1 << 18) - 1) >> 18);
}

// The two half-up roundings done on the exact value in integer arithmetic,
// for magnitudes of plain notation; false for any other magnitude.
bool RoundTo15DigitsExactly(double dMagnitude, uint64_t& nDigits, int& nExponent) {
  uint64_t nBits;
  std::memcpy(&nBits, &dMagnitude, sizeof nBits);
  const int nBiased = static_cast<int>(nBits >> 52);
  if (nBiased == 0) return false;  // subnormal: far outside the range
  const uint64_t m = (nBits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
  const int q = nBiased - 1075;
  // The value lies in [2^(q+52), 2^(q+53)): its decimal exponent is this
  // guess or one more.
  int e = FloorLog10OfPowerOfTwo(q + 52);
  if (e < kFastLowest - 1 || e > kFastHighest) return false;
  uint64_t nTwice;
  if (!ScaleTwiceExactly(m, q, 16 - e, nTwice)) return false;
  if (nTwice >> 1 >= kTen17) {
    ++e;
    if (!ScaleTwiceExactly(m, q, 16 - e, nTwice)) return false;
  }
  const uint64_t nFloor = nTwice >> 1;
  if (nFloor < kTen16 || nFloor >= kTen17 || e < kFastLowest || e > kFastHighest) return false;
  // 17 digits, half up; then their last two digits, half up, give 15.
  uint64_t n = ((nTwice + 1) >> 1) + 50;
  n /= 100;
  if (n == kTen15) {  // 99999999999999950 and up round to a power of ten
    n = kTen15 / 10;
    ++e;
  }
  nDigits = n;
  nExponent = e;
  return true;
}

CDecimal RoundTo15Digits(double dMagnitude) {
  uint64_t n;
  CDecimal decimal;
  if (!RoundTo15DigitsExactly(dMagnitude, n, decimal.nExponent)) {
    n = RoundTo15DigitsByText(dMagnitude, decimal.nExponent);
  }
  SetDigits(n, decimal);
  return decimal;
}

// The writers below copy in fixed widths and may write scratch bytes past
// the end of the number, up to kNumberRoom bytes from where it starts; the
// caller's buffer has that room, and the returned end is the number's.
constexpr size_t kNumberRoom = 40;

char* CopyText(char* pOut, std::string_view text) {
  std::memcpy(pOut, text.data(), text.size());
  return pOut + text.size();
}

// 16 bytes from pFrom: as many digits as any part of a number has.
void CopyDigits(char* pOut, const char* pFrom) { std::memcpy(pOut, pFrom, 16); }

char* WritePlain(char* pOut, const CDecimal& decimal) {
  const int e = decimal.nExponent;
  const int nCount = decimal.nCount;
  if (e < 0) {
    // "0." and -e - 1 zeros, then the digits.
    std::memcpy(pOut, "0.000000", 8);
    pOut += 1 - e;
    CopyDigits(pOut, decimal.digits);
    return pOut + nCount;
  }
  // The whole part, the point, and the digits after it; with no fraction
  // the point is left past the end.
  CopyDigits(pOut, decimal.digits);
  pOut[e + 1] = '.';
  CopyDigits(pOut + e + 2, decimal.digits + e + 1);
  return nCount > e + 1 ? pOut + nCount + 1 : pOut + e + 1;
}

char* WriteExponent(char* pOut, const CDecimal& decimal) {
  *pOut = decimal.digits[0];
  pOut[1] = '.';
  CopyDigits(pOut + 2, decimal.digits + 1);
  pOut += decimal.nCount > 1 ? decimal.nCount + 1 : 1;
  const int e = decimal.nExponent;
  const int nMagnitude = e < 0 ? -e : e;
  *pOut++ = 'e';
  *pOut++ = e < 0 ? '-' : '+';
  *pOut++ = static_cast<char>('0' + nMagnitude / 100);
  *pOut++ = static_cast<char>('0' + nMagnitude / 10 % 10);
  *pOut++ = static_cast<char>('0' + nMagnitude % 10);
  return pOut;
}

// A whole number n < 10^15 as it is: its digits without the zeros in front,
// "0" for 0. A bit set in a top byte keeps the last digit when all are zero.
char* WriteWhole(char* pOut, uint64_t n) {
  constexpr uint64_t kLastDigitBit = uint64_t{1} << 56;
  if (n < kTen8) {  // most whole numbers: one word
    const uint64_t nDigits = EightDigits(n);
    const int nZeros = ZeroBytesAtBottom(nDigits | kLastDigitBit);
    Store(pOut, (nDigits + kAsciiZeros) >> (8 * nZeros));
    return pOut + 8 - nZeros;
  }
  const uint64_t nHigh = EightDigits(n / kTen8);
  const uint64_t nLow = EightDigits(n % kTen8);
  char text[32];
  Store(text, nHigh + kAsciiZeros);
  Store(text + 8, nLow + kAsciiZeros);
  const int nZeros = ZeroBytesAtBottom(nHigh);  // n >= 10^8: nHigh is not 0
  CopyDigits(pOut, text + nZeros);
  return pOut + 16 - nZeros;
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

// Writes the number at pOut, which has kNumberRoom bytes; returns its end.
char* WriteNumber(char* pOut, double dValue) {
  if (!std::isfinite(dValue)) return WriteNotFinite(pOut, dValue);
  // The sign without a branch: signs come in no order a branch could learn.
  *pOut = '-';
  pOut += dValue < 0;
  const double dMagnitude = std::fabs(dValue);
  // A whole number below 10^15 has at most 15 digits, which both roundings
  // keep: it is written as it is, as directions and lengths often are, and
  // zero of either sign is "0".
  const uint64_t nWhole = dMagnitude < 1e15 ? static_cast<uint64_t>(dMagnitude) : 0;
  if (static_cast<double>(nWhole) == dMagnitude) return WriteWhole(pOut, nWhole);
  const CDecimal decimal = RoundTo15Digits(dMagnitude);
  if (decimal.nExponent >= -4 && decimal.nExponent <= 14) return WritePlain(pOut, decimal);
  return WriteExponent(pOut, decimal);
}

}  // namespace

void AppendNumber(std::string& strOut, double dValue) {
  char text[kNumberRoom];
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
  // Grown to the longest numbers, and never cut: a buffer that keeps its
  // size costs no filling from one record to the next.
  const size_t nRoom = strKeyword.size() + 4 * (1 + kNumberRoom) + 1 + strText.size();
  if (strLine.size() < nRoom) strLine.resize(nRoom);
  char* const pBegin = strLine.data();
  char* pOut = CopyText(pBegin, strKeyword);
  for (double dValue : {x, y, dx, dy}) {
    *pOut++ = ' ';
    pOut = WriteNumber(pOut, dValue);
  }
  *pOut++ = ' ';
  pOut = CopyText(pOut, strText);
  return std::string_view(pBegin, static_cast<size_t>(pOut - pBegin));
}
