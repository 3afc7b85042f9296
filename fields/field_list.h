#pragma once

#include <cstdint>
#include <string_view>

// One line of the interchange file as a row of fields. The fields are views
// into the line given to Split, which must outlive the list's use of them.
class CFieldList {
 public:
  static constexpr int kFieldCount = 20;

  CFieldList() = default;
  virtual ~CFieldList() = default;

  // Splits `line` at every occurrence of `separator`. Empty pieces take no
  // field; at most 20 fields are kept and the rest of the line is dropped.
  // Returns the number of the field that took the last piece, or 20 when a
  // separator followed the twentieth field.
  int Split(std::string_view line, std::string_view separator);

  // The line from the first byte of field `nField` to its end, byte for
  // byte; empty when the line has no such field.
  std::string_view From(int nField) const;

  // The number at the start of `text` as the nearest double; 0 when there is
  // none. Infinity with its sign when too large, zero when too small.
  static double ReadNumber(std::string_view text);

  // The whole number at the start of `text` (wrapping at 32 bits) when it is
  // not 0, otherwise LetterValue(text).
  static int32_t ReadIndex(std::string_view text);

  // 10 to 15 for a text that is exactly "a" to "f", otherwise 0.
  static int32_t LetterValue(std::string_view text);

  // Fields beyond those present are empty.
  std::string_view m_strField[kFieldCount];

 private:
  // Sets fields nField to 19 empty; Split fills the fields before them.
  void ClearFieldsFrom(int nField);

  std::string_view m_strLine;
};

// The first field that Split would give `line` with one blank as separator,
// found without splitting the rest.
std::string_view FirstField(std::string_view line);

// The white space that both readers skip before a number.
inline bool IsNumberSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
