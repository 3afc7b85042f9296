#include "fields/short_decimal.h"

#include <cstdint>
#include <cstring>

namespace {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "the digit runs are read a word at a time, first byte lowest");

// Up to 8 bytes of the text at p, of which nAvail are there, as a word with
// the first byte lowest and zero bytes past the text's end. No byte beyond
// the text is read: a field may end where its buffer does.
[[gnu::always_inline]] inline uint64_t LoadUpTo8(const char* p, size_t nAvail) {
  uint64_t nWord = 0;
  if (nAvail >= 8) {
    std::memcpy(&nWord, p, 8);
  } else if (nAvail >= 4) {  // two loads that overlap in the middle
    uint32_t nFirst, nLast;
    std::memcpy(&nFirst, p, 4);
    std::memcpy(&nLast, p + nAvail - 4, 4);
    nWord = nFirst | (uint64_t{nLast} << (8 * (nAvail - 4)));
  } else if (nAvail > 0) {   // the first, middle and last bytes
    nWord = uint64_t{static_cast<unsigned char>(p[0])} |
            uint64_t{static_cast<unsigned char>(p[nAvail / 2])} << (8 * (nAvail / 2)) |
            uint64_t{static_cast<unsigned char>(p[nAvail - 1])} << (8 * (nAvail - 1));
  }
  return nWord;
}

// The value of eight digits given as digit values, one per byte, the first
// lowest: pairs, then fours, then all eight, each step in one multiplication.
uint64_t EightDigitValue(uint64_t x) {
  x = (x * 10 + (x >> 8)) & 0x00FF00FF00FF00FFu;
  x = (x * 100 + (x >> 16)) & 0x0000FFFF0000FFFFu;
  return (x * 10000 + (x >> 32)) & 0xFFFFFFFFu;
}

// Powers of ten up to 10^22 are exact doubles.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr uint64_t kPowersOfTen[] = {1,      10,      100,      1000,      10000,
                                     100000, 1000000, 10000000, 100000000};

// Reads the run of digits at text[i] on, eight bytes at a time, appending
// them to nDigits; returns the index past the run. Past 19 digits the sum
// wraps around; the caller counts the digits and leaves such a text alone.
[[gnu::always_inline]] inline size_t ReadDigitRun(std::string_view text, size_t i, uint64_t& nDigits) {
  for (;;) {
    // Bytes as digit values; a byte that is no digit gets its high bit set.
    const uint64_t x = LoadUpTo8(text.data() + i, text.size() - i) ^ 0x3030303030303030u;
    const uint64_t nNotDigit =
        (((x & 0x7F7F7F7F7F7F7F7Fu) + 0x7676767676767676u) | x) & 0x8080808080808080u;
    const int nCount = nNotDigit != 0 ? __builtin_ctzll(nNotDigit) / 8 : 8;
    if (nCount > 0) {
      // The run's digits to the top of the word, zeros in front of them.
      nDigits = nDigits * kPowersOfTen[nCount] + EightDigitValue(x << (64 - 8 * nCount));
    }
    i += static_cast<size_t>(nCount);
    if (nCount < 8) return i;
  }
}

}  // namespace

size_t ReadShortDecimal(std::string_view text, double& dValue) {
  constexpr uint64_t kExactLimit = uint64_t{1} << 53;
  size_t i = 0;
  const bool bNegative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  uint64_t nDigits = 0;
  const size_t nStart = i;
  i = ReadDigitRun(text, i, nDigits);
  const size_t nWhole = i - nStart;
  // The fraction's run is read with or without a point: without one it
  // stops at once, at the byte that ended the whole digits. Whole and
  // fractional numbers come in no order a branch could learn.
  const size_t nFractionStart = i + (i < text.size() && text[i] == '.');
  i = ReadDigitRun(text, nFractionStart, nDigits);
  const size_t nFraction = i - nFractionStart;
  const size_t nCount = nWhole + nFraction;
  if (nCount == 0 || nCount > 19 || nDigits > kExactLimit || nFraction > 22) return 0;
  if (i < text.size()) {
    const char c = text[i];
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') return 0;
  }
  double dMagnitude = static_cast<double>(nDigits);
  if (nFraction > 0) dMagnitude /= kExactPowersOfTen[nFraction];
  // The sign as a bit, for the same reason.
  uint64_t nBits;
  std::memcpy(&nBits, &dMagnitude, sizeof nBits);
  nBits |= static_cast<uint64_t>(bNegative) << 63;
  std::memcpy(&dValue, &nBits, sizeof nBits);
  return i;
}
