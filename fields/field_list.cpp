#include "fields/field_list.h"

namespace {

size_t FindSeparator(std::string_view text, std::string_view separator) {
  return separator.size() == 1 ? text.find(separator[0]) : text.find(separator);
}

}  // namespace

int CFieldList::Split(std::string_view line, std::string_view separator) {
  m_strLine = line;
  if (separator.empty()) {
    m_strField[0] = line;  // no separator can be found; nor can it advance
    ClearFieldsFrom(1);
    return 0;
  }
  std::string_view rest = line;
  int n = 0;
  for (;;) {
    size_t at = FindSeparator(rest, separator);
    if (at == std::string_view::npos) {
      m_strField[n] = rest;
      ClearFieldsFrom(n + 1);
      return n;
    }
    if (at > 0) m_strField[n++] = rest.substr(0, at);
    rest.remove_prefix(at + separator.size());
    if (n == kFieldCount) return n;
  }
}

void CFieldList::ClearFieldsFrom(int nField) {
  // Empty fields sit at the end of the line, so that From() of a missing
  // field is empty.
  const std::string_view end = m_strLine.substr(m_strLine.size());
  for (int i = nField; i < kFieldCount; ++i) m_strField[i] = end;
}

std::string_view CFieldList::From(int nField) const {
  const std::string_view field = m_strField[nField];
  return m_strLine.substr(static_cast<size_t>(field.data() - m_strLine.data()));
}

std::string_view FirstField(std::string_view line) {
  // Byte loops: a keyword is a few bytes long, too short for memchr to pay.
  size_t nStart = 0;
  while (nStart < line.size() && line[nStart] == ' ') ++nStart;
  size_t nEnd = nStart;
  while (nEnd < line.size() && line[nEnd] != ' ') ++nEnd;
  return line.substr(nStart, nEnd - nStart);
}
