#include "geometry/number_format.h"

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

CDecimal RoundTo15Digits(double dMagnitude) {
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

// The number of digits left once zeros at the end are removed.
int SignificantCount(const CDecimal& decimal) {
  int n = kDigits;
  while (n > 1 && decimal.digits[n - 1] == '0') --n;
  return n;
}

void AppendPlain(std::string& strOut, const CDecimal& decimal) {
  const int nCount = SignificantCount(decimal);
  const int e = decimal.nExponent;
  if (e < 0) {
    strOut += "0.";
    strOut.append(static_cast<size_t>(-e - 1), '0');
    strOut.append(decimal.digits, static_cast<size_t>(nCount));
    return;
  }
  strOut.append(decimal.digits, static_cast<size_t>(e + 1));
  if (nCount > e + 1) {
    strOut += '.';
    strOut.append(decimal.digits + e + 1, static_cast<size_t>(nCount - e - 1));
  }
}

void AppendExponent(std::string& strOut, const CDecimal& decimal) {
  const int nCount = SignificantCount(decimal);
  strOut += decimal.digits[0];
  if (nCount > 1) {
    strOut += '.';
    strOut.append(decimal.digits + 1, static_cast<size_t>(nCount - 1));
  }
  const int e = decimal.nExponent;
  const int nMagnitude = e < 0 ? -e : e;
  const char exponent[] = {'e', e < 0 ? '-' : '+', static_cast<char>('0' + nMagnitude / 100),
                           static_cast<char>('0' + nMagnitude / 10 % 10),
                           static_cast<char>('0' + nMagnitude % 10)};
  strOut.append(exponent, sizeof exponent);
}

void AppendNotFinite(std::string& strOut, double dValue) {
  if (std::isinf(dValue)) {
    strOut += dValue < 0 ? "-1.#INF" : "1.#INF";
    return;
  }
  uint64_t nBits;
  std::memcpy(&nBits, &dValue, sizeof nBits);
  // The not-a-number that invalid operations produce on this hardware.
  constexpr uint64_t kIndefinite = 0xFFF8000000000000u;
  if (nBits == kIndefinite) {
    strOut += "-1.#IND";
  } else {
    strOut += std::signbit(dValue) ? "-1.#QNAN" : "1.#QNAN";
  }
}

}  // namespace

void AppendNumber(std::string& strOut, double dValue) {
  if (!std::isfinite(dValue)) {
    AppendNotFinite(strOut, dValue);
    return;
  }
  if (dValue == 0) {
    strOut += '0';
    return;
  }
  if (dValue < 0) strOut += '-';
  const CDecimal decimal = RoundTo15Digits(std::fabs(dValue));
  if (decimal.nExponent >= -4 && decimal.nExponent <= 14) {
    AppendPlain(strOut, decimal);
  } else {
    AppendExponent(strOut, decimal);
  }
}

std::string FormatNumber(double dValue) {
  std::string strOut;
  AppendNumber(strOut, dValue);
  return strOut;
}

std::string RecordLine(std::string_view strKeyword, double x, double y, double dx, double dy,
                       std::string_view strText) {
  std::string strLine;
  strLine.reserve(strKeyword.size() + 4 * 24 + 1 + strText.size());
  strLine.append(strKeyword);
  for (double dValue : {x, y, dx, dy}) {
    strLine += ' ';
    AppendNumber(strLine, dValue);
  }
  strLine += ' ';
  strLine.append(strText);
  return strLine;
}
