#include <cstdint>

#include "fields/field_list.h"

int32_t CFieldList::ReadIndex(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsNumberSpace(text[i])) ++i;
  bool bNegative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) bNegative = text[i++] == '-';
  // Unsigned arithmetic wraps modulo 2^32, as the 32-bit reading does.
  uint32_t nValue = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    nValue = nValue * 10u + static_cast<uint32_t>(text[i] - '0');
  }
  if (bNegative) nValue = 0u - nValue;
  if (nValue != 0) return static_cast<int32_t>(nValue);
  return LetterValue(text);
}

int32_t CFieldList::LetterValue(std::string_view text) {
  if (text.size() == 1 && text[0] >= 'a' && text[0] <= 'f') return 10 + (text[0] - 'a');
  return 0;
}
