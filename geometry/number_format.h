#pragma once

#include <string>
#include <string_view>

// The number output rule of every rewritten record: 15 significant digits
// from two half-up roundings of the exact value (to 17 digits, then to 15);
// plain notation for decimal exponents -4 to 14, otherwise exponent notation
// with three exponent digits; no trailing zeros; zero of either sign "0";
// "1.#INF", "-1.#INF", "-1.#IND" and "1.#QNAN" for values that are not
// finite. The same text on every platform.
void AppendNumber(std::string& strOut, double dValue);

std::string FormatNumber(double dValue);

// A rewritten record: the keyword, the four numbers and the text, single
// blanks between them. `strLine` is the buffer it is written into, kept from
// one record to the next; the returned view is the record, until the next
// write.
std::string_view WriteRecordLine(std::string& strLine, std::string_view strKeyword, double x,
                                 double y, double dx, double dy, std::string_view strText);
