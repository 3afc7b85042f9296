#pragma once

#include <string_view>

// What a rewrite reads of a record line: the keyword, the numbers of fields
// 1 to 4, and the text, the line from the first byte of field 5 to its end.
// The views are into the line.
struct CRecordHead {
  std::string_view strKeyword;
  double dNumber[4] = {};
  std::string_view strText;
};

// The head of `line` exactly as Split with one blank, ReadNumber and From
// give it. A line whose four numbers are plain decimals, the common case, is
// read in one pass that finds each field's end where its number ends.
CRecordHead ReadRecordHead(std::string_view line);

// The same by the full split alone, for any line.
CRecordHead SplitRecordHead(std::string_view line);
