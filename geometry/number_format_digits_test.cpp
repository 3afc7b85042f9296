// The 15 written digits of every kind of double, checked against the exact
// decimal expansion rounded twice, half up: first to 17 digits, then to 15.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <random>
#include <string>

#include "geometry/number_format.h"

namespace {

// Significant digits without zeros at the end, and the power of ten of the
// first digit.
struct CDigits {
  std::string strDigits;
  int nExponent;
  bool operator==(const CDigits& other) const {
    return strDigits == other.strDigits && nExponent == other.nExponent;
  }
};

std::ostream& operator<<(std::ostream& out, const CDigits& d) {
  return out << d.strDigits << "e" << d.nExponent;
}

void RoundHalfUp(std::string& strDigits, size_t nKeep, int& nExponent) {
  const bool bUp = strDigits[nKeep] >= '5';
  strDigits.resize(nKeep);
  if (!bUp) return;
  size_t i = nKeep;
  while (i > 0 && strDigits[i - 1] == '9') strDigits[--i] = '0';
  if (i > 0) {
    ++strDigits[i - 1];
  } else {
    strDigits.insert(strDigits.begin(), '1');
    strDigits.pop_back();
    ++nExponent;
  }
}

// The rule, from the exact expansion: 767 digits after the first hold every
// double exactly.
CDigits Expected(double dMagnitude) {
  char text[800];
  const std::to_chars_result result =
      std::to_chars(text, text + sizeof text, dMagnitude, std::chars_format::scientific, 767);
  const std::string strText(text, result.ptr);  // d.ddd...e±xx
  const size_t nE = strText.find('e');
  CDigits d;
  d.nExponent = std::atoi(strText.c_str() + nE + 1);
  d.strDigits = strText.substr(0, 1) + strText.substr(2, nE - 2);
  RoundHalfUp(d.strDigits, 17, d.nExponent);
  RoundHalfUp(d.strDigits, 15, d.nExponent);
  while (d.strDigits.size() > 1 && d.strDigits.back() == '0') d.strDigits.pop_back();
  return d;
}

// The digits and exponent of a written number, plain or exponent notation.
CDigits Written(const std::string& strText) {
  std::string strMantissa = strText;
  int nPower = 0;
  const size_t nE = strText.find('e');
  if (nE != std::string::npos) {
    strMantissa = strText.substr(0, nE);
    nPower = std::atoi(strText.c_str() + nE + 1);
  }
  if (strMantissa[0] == '-') strMantissa.erase(0, 1);
  const size_t nPoint = std::min(strMantissa.find('.'), strMantissa.size());
  std::string strAll = strMantissa;
  if (nPoint < strAll.size()) strAll.erase(nPoint, 1);
  const size_t nFirst = strAll.find_first_not_of('0');
  CDigits d;
  d.strDigits = strAll.substr(nFirst);
  d.nExponent = static_cast<int>(nPoint) - static_cast<int>(nFirst) - 1 + nPower;
  while (d.strDigits.size() > 1 && d.strDigits.back() == '0') d.strDigits.pop_back();
  return d;
}

void ExpectRule(double dValue) {
  if (!std::isfinite(dValue) || dValue == 0) return;
  const std::string strText = FormatNumber(dValue);
  ASSERT_EQ(Written(strText), Expected(std::fabs(dValue)))
      << strText << " for " << std::hexfloat << dValue;
  ASSERT_EQ(strText[0] == '-', dValue < 0) << strText;
}

double Step(double dValue, int nSteps) {
  for (; nSteps > 0; --nSteps) dValue = std::nextafter(dValue, HUGE_VAL);
  for (; nSteps < 0; ++nSteps) dValue = std::nextafter(dValue, -HUGE_VAL);
  return dValue;
}

TEST(NumberDigitsTest, AnyBitPattern) {
  std::mt19937_64 random(1);
  for (int i = 0; i < 50000; ++i) {
    const uint64_t nBits = random();
    double dValue;
    std::memcpy(&dValue, &nBits, sizeof dValue);
    ExpectRule(dValue);
  }
}

TEST(NumberDigitsTest, EveryMagnitudeOfPlainNotation) {
  std::mt19937_64 random(2);
  for (int i = 0; i < 50000; ++i) {
    const double dUnit = static_cast<double>(random() >> 11) * 0x1.0p-53;
    ExpectRule(dUnit * std::pow(10.0, static_cast<int>(random() % 24) - 6));
  }
}

// Values within a few steps of a 15-digit half, where the two roundings and
// a single rounding part ways.
TEST(NumberDigitsTest, NearHalvesOfTheFifteenthDigit) {
  std::mt19937_64 random(3);
  for (int i = 0; i < 20000; ++i) {
    const uint64_t nDigits = 100000000000000u + random() % 900000000000000u;
    const std::string strTail = i % 3 == 0 ? "5" : (i % 3 == 1 ? "495" : "4999");
    const int nPower = static_cast<int>(random() % 30) - 20;
    const std::string strText = std::to_string(nDigits) + strTail + "e" + std::to_string(nPower);
    const double dNear = std::strtod(strText.c_str(), nullptr);
    for (int nSteps = -2; nSteps <= 2; ++nSteps) ExpectRule(Step(dNear, nSteps));
  }
}

// Halves that a double holds exactly: whole numbers and a half, and other
// short binary fractions.
TEST(NumberDigitsTest, ExactHalves) {
  std::mt19937_64 random(4);
  for (int i = 0; i < 20000; ++i) {
    const double dWhole = static_cast<double>(random() % 2000000000000000u);
    ExpectRule(dWhole + 0.5);
    ExpectRule(std::ldexp(dWhole, -static_cast<int>(random() % 40)));
  }
  for (double d : {100000000000002.5, 1234567890123.125, 999999999999999.5, 99999999999999.95,
                   0.00009999999999999995, 1e15, 1e-4, 1e-5}) {
    ExpectRule(d);
  }
}

}  // namespace
