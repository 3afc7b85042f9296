#include "fields/record_head.h"

#include "fields/field_list.h"
#include "fields/short_decimal.h"

namespace {

size_t SkipBlanks(std::string_view line, size_t i) {
  while (i < line.size() && line[i] == ' ') ++i;
  return i;
}

// The one pass. A number that ends anywhere but at a blank or at the line's
// end, or that is not a plain decimal, or a missing field, sends the line to
// the full split. The four readings are inlined (with link-time
// optimisation, across files), which spares a call and its set-up each.
[[gnu::flatten]] bool ReadPlainHead(std::string_view line, CRecordHead& head) {
  head.strKeyword = FirstField(line);
  size_t i = static_cast<size_t>(head.strKeyword.data() - line.data()) + head.strKeyword.size();
  for (double& dNumber : head.dNumber) {
    i = SkipBlanks(line, i);
    const size_t nRead = ReadShortDecimal(std::string_view(line.data() + i, line.size() - i), dNumber);
    if (nRead == 0) return false;
    i += nRead;
    if (i < line.size() && line[i] != ' ') return false;
  }
  head.strText = line.substr(SkipBlanks(line, i));
  return true;
}

}  // namespace

CRecordHead ReadRecordHead(std::string_view line) {
  CRecordHead head;
  if (ReadPlainHead(line, head)) return head;
  return SplitRecordHead(line);
}

CRecordHead SplitRecordHead(std::string_view line) {
  CRecordHead head;
  CFieldList fields;
  fields.Split(line, " ");
  head.strKeyword = fields.m_strField[0];
  for (int i = 0; i < 4; ++i) head.dNumber[i] = CFieldList::ReadNumber(fields.m_strField[i + 1]);
  head.strText = fields.From(5);
  return head;
}
