#include "geometry/number_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

double FromBits(uint64_t nBits) {
  double d;
  std::memcpy(&d, &nBits, sizeof d);
  return d;
}

TEST(NumberFormatTest, WritesTheRuleTable) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {17.5, "17.5"},
      {30, "30"},
      {-0.0, "0"},
      {0.0, "0"},
      {0.0001, "0.0001"},
      {0.00001, "1e-005"},
      {1.0 / 3, "0.333333333333333"},
      {999999999999999.4, "999999999999999"},
      {999999999999999.9, "1e+015"},
      {1e15, "1e+015"},
      {123456789012345678.0, "1.23456789012346e+017"},
      {1e100, "1e+100"},
      {-4.440892098500626e-16, "-4.44089209850063e-016"},
      // Two half-up roundings: a single rounding, ties to even, ends in 4.
      {1.705622836751445, "1.70562283675145"},
      // An exact tie at the 15th digit rounds up.
      {1234567890123.125, "1234567890123.13"},
      {100000000000002.5, "100000000000003"},
      {-19.209430584957905, "-19.2094305849579"},
      {0.00012345678901234567, "0.000123456789012346"},
      {0.000099999999999999995, "0.0001"},
      {1e-300, "1e-300"},
      {4.9406564584124654e-324, "4.94065645841247e-324"},
      {1.7976931348623157e308, "1.79769313486232e+308"},
      {-2.5, "-2.5"},
      {100, "100"},
      {7, "7"},
      {-99999999, "-99999999"},
      {100000000, "100000000"},
      {999999999999999, "999999999999999"},
      {inf, "1.#INF"},
      {-inf, "-1.#INF"},
      {FromBits(0xFFF8000000000000u), "-1.#IND"},
      {FromBits(0x7FF8000000000000u), "1.#QNAN"},
      {FromBits(0xFFF8000000000001u), "-1.#QNAN"},
      {FromBits(0x7FF0000000000001u), "1.#QNAN"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value), c.text) << c.text;
}

TEST(NumberFormatTest, TheNotANumberOfInvalidOperationsIsIndefinite) {
  // Computed at run time: a compiler folding 0 * inf may choose another NaN.
  volatile double zero = 0;
  EXPECT_EQ(FormatNumber(zero * std::numeric_limits<double>::infinity()), "-1.#IND");
  EXPECT_EQ(FormatNumber(zero / zero), "-1.#IND");
}

// The rule again, the slow way: the exact decimal expansion, rounded half up
// to 17 digits and then to 15 on the digit string.
std::string RoundHalfUp(std::string digits, size_t nKeep, int& nExponent) {
  const bool bUp = digits.size() > nKeep && digits[nKeep] >= '5';
  digits.resize(nKeep, '0');
  if (bUp) {
    size_t i = nKeep;
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++nExponent;
    } else {
      ++digits[i - 1];
    }
  }
  return digits;
}

std::string ReferenceFormat(double value) {
  if (value == 0) return "0";
  char text[800];
  std::to_chars_result result =
      std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 767);
  std::string all(text, result.ptr);
  const size_t e = all.find('e');
  int nExponent = std::stoi(all.substr(e + 1));
  std::string digits = all.substr(0, 1) + all.substr(2, e - 2);
  digits = RoundHalfUp(RoundHalfUp(digits, 17, nExponent), 15, nExponent);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = value < 0 ? "-" : "";
  if (nExponent >= -4 && nExponent <= 14) {
    if (nExponent < 0) {
      out += "0." + std::string(static_cast<size_t>(-nExponent - 1), '0') + digits;
    } else {
      digits.resize(std::max(digits.size(), static_cast<size_t>(nExponent + 1)), '0');
      out += digits.substr(0, static_cast<size_t>(nExponent + 1));
      if (digits.size() > static_cast<size_t>(nExponent + 1)) {
        out += "." + digits.substr(static_cast<size_t>(nExponent + 1));
      }
    }
    return out;
  }
  out += digits.substr(0, 1);
  if (digits.size() > 1) out += "." + digits.substr(1);
  char exponent[16];
  std::snprintf(exponent, sizeof exponent, "e%c%03d", nExponent < 0 ? '-' : '+', std::abs(nExponent));
  return out + exponent;
}

void ExpectRule(double value) {
  ASSERT_EQ(FormatNumber(value), ReferenceFormat(value)) << std::hexfloat << value;
}

TEST(NumberFormatTest, AgreesWithTheExactValueForRandomDoubles) {
  std::mt19937_64 random(20261211);
  for (int i = 0; i < 200000; ++i) {
    double value = FromBits(random());
    if (std::isfinite(value)) ExpectRule(value);
  }
}

TEST(NumberFormatTest, AgreesWithTheExactValueAtEveryPlainMagnitude) {
  std::mt19937_64 random(2);
  for (int i = 0; i < 100000; ++i) {
    const double unit = static_cast<double>(random() >> 11) * 0x1.0p-53;
    ExpectRule(unit * std::pow(10.0, static_cast<int>(random() % 24) - 6));
  }
}

TEST(NumberFormatTest, AgreesWithTheExactValueNearRoundingEdges) {
  // Decimal texts that sit on or next to a tie at the 15th digit, and the
  // doubles a few steps either side, at every magnitude of the plain range
  // and beyond.
  std::mt19937_64 random(7);
  const char* const tails[] = {"5", "495", "49999", "50001"};
  for (int i = 0; i < 40000; ++i) {
    const std::string text = std::to_string(random() % 900000000000000ull + 100000000000000ull) +
                             tails[i % 4] + "e" + std::to_string(static_cast<int>(random() % 40) - 20);
    double value = std::strtod(text.c_str(), nullptr);
    for (int step = 0; step < 2; ++step) value = std::nextafter(value, 0.0);
    for (int step = 0; step < 5; ++step, value = std::nextafter(value, 1e300)) {
      ExpectRule(value);
      ExpectRule(-value);
    }
  }
}

TEST(NumberFormatTest, AgreesWithTheExactValueOnExactHalves) {
  // Whole numbers and a half, and short binary fractions: ties that a double
  // holds exactly.
  std::mt19937_64 random(4);
  for (int i = 0; i < 20000; ++i) {
    const double whole = static_cast<double>(random() % 2000000000000000u);
    ExpectRule(whole + 0.5);
    ExpectRule(std::ldexp(whole, -static_cast<int>(random() % 40)));
  }
  for (double d : {100000000000002.5, 1234567890123.125, 999999999999999.5, 99999999999999.95,
                   0.00009999999999999995, 1e15, 1e-4, 1e-5}) {
    ExpectRule(d);
  }
}

TEST(RecordLineTest, JoinsKeywordNumbersAndText) {
  std::string line = "an earlier, longer line that is replaced";
  EXPECT_EQ(WriteRecordLine(line, "ch", -20, 17.5, 30, -0.0, "HELLO WORLD"), "ch -20 17.5 30 0 HELLO WORLD");
  EXPECT_EQ(WriteRecordLine(line, "cs", 1, 2, 3, 4, ""), "cs 1 2 3 4 ");
}

}  // namespace
