// The readers and Split on any bytes. ReadNumber is checked against the C
// library's strtod, given the same number text with "e" for the exponent
// letter: both round correctly, so they must agree.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fields/field_list.h"
#include "fuzz/require.h"

namespace {

// The number at the start of `text` in the form strtod reads; empty when
// the text begins with no number.
std::string NumberForStrtod(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsNumberSpace(text[i])) ++i;
  std::string strNumber;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) strNumber += text[i++];
  size_t nDigits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++nDigits) strNumber += text[i];
  if (i < text.size() && text[i] == '.') {
    strNumber += text[i++];
    for (; i < text.size() && IsDigit(text[i]); ++i, ++nDigits) strNumber += text[i];
  }
  if (nDigits == 0) return std::string();
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    size_t nEnd = j;
    while (nEnd < text.size() && IsDigit(text[nEnd])) ++nEnd;
    if (nEnd > j) strNumber += "e" + std::string(text.substr(i + 1, nEnd - i - 1));
  }
  return strNumber;
}

void CheckReadNumber(std::string_view text) {
  const double dValue = CFieldList::ReadNumber(text);
  Require(!std::isnan(dValue), "ReadNumber gave not-a-number");
  const std::string strNumber = NumberForStrtod(text);
  const double dExpected = strNumber.empty() ? 0.0 : std::strtod(strNumber.c_str(), nullptr);
  Require(dValue == dExpected && std::signbit(dValue) == std::signbit(dExpected),
          "ReadNumber differs from strtod for " + strNumber);
}

void CheckSplit(std::string_view line, std::string_view separator) {
  CFieldList fields;
  const int nResult = fields.Split(line, separator);
  Require(nResult >= 0 && nResult <= CFieldList::kFieldCount, "Split result out of range");
  const char* pLineEnd = line.data() + line.size();
  const char* pLast = line.data();
  for (int i = 0; i < CFieldList::kFieldCount; ++i) {
    const std::string_view field = fields.m_strField[i];
    // Every field is a piece of the line, in order, without the separator.
    Require(field.data() >= pLast && field.data() + field.size() <= pLineEnd, "field outside the line");
    Require(field.find(separator) == std::string_view::npos, "field holds the separator");
    Require(field.empty() || i <= nResult, "field after the result");
    Require(!field.empty() || i >= nResult, "empty field before the result");
    Require(fields.From(i).data() == field.data(), "From does not start at its field");
    pLast = field.data() + field.size();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  const std::string_view text(reinterpret_cast<const char*>(pData), nSize);
  CheckReadNumber(text);
  CFieldList::ReadIndex(text);
  CFieldList::LetterValue(text);
  CheckSplit(text, " ");
  // A separator of one to three bytes from the front of the input.
  if (nSize > 0) {
    const size_t nSeparator = 1 + pData[0] % 3;
    if (nSize > nSeparator) CheckSplit(text.substr(1 + nSeparator), text.substr(1, nSeparator));
  }
  return 0;
}
