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
  std::mt19937_64 random(5);
  for (int i = 0; i < 200000; ++i) {
    std::string strText;
    const int nDigits = 1 + static_cast<int>(random() % 24);
    for (int k = 0; k < nDigits; ++k) strText += static_cast<char>('0' + random() % 10);
    strText.insert(random() % (strText.size() + 1), ".");
    if (random() % 2) strText.insert(0, "-");
    double dExpected = 0;
    std::from_chars(strText.data(), strText.data() + strText.size(), dExpected);
    const double dRead = CFieldList::ReadNumber(strText);
    ASSERT_EQ(std::memcmp(&dRead, &dExpected, sizeof dRead), 0) << strText;
  }
}

}  // namespace
