// Decimal texts of every length read as the nearest double: the reader's
// result against the library's correctly rounded conversion.

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "fields/field_list.h"

namespace {

TEST(ReadNumberNearestTest, DecimalsOfEveryLength) {
  // Alone, as a field, and followed by more of a line, so that the number
  // ends anywhere in the bytes that are read at once.
  const char* const tails[] = {"", " ", " 254.427 -24 0 text", "x", ";12", "\x81\x40"};
  std::mt19937_64 random(5);
  for (int i = 0; i < 200000; ++i) {
    std::string strText;
    const int nDigits = 1 + static_cast<int>(random() % 24);
    for (int k = 0; k < nDigits; ++k) strText += static_cast<char>('0' + random() % 10);
    if (random() % 4 != 0) strText.insert(random() % (strText.size() + 1), ".");
    if (random() % 2) strText.insert(0, "-");
    double dExpected = 0;
    std::from_chars(strText.data(), strText.data() + strText.size(), dExpected);
    const double dRead = CFieldList::ReadNumber(strText + tails[i % std::size(tails)]);
    ASSERT_EQ(std::memcmp(&dRead, &dExpected, sizeof dRead), 0) << strText << tails[i % std::size(tails)];
  }
}

}  // namespace
