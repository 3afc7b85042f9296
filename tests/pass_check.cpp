#include "tests/pass_check.h"

#include <initializer_list>

#include "fields/field_list.h"

namespace {

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> words) {
  for (std::string_view word : words) {
    if (text == word) return true;
  }
  return false;
}

size_t CountDigits(std::string_view text, size_t i) {
  size_t n = 0;
  while (i + n < text.size() && IsDigit(text[i + n])) ++n;
  return n;
}

// Whether `written` is `line` rewritten: its keyword, four finite numbers
// and the text from field 5 of the line, single blanks between them.
bool IsRewrite(std::string_view line, std::string_view written) {
  CFieldList fields;
  fields.Split(line, " ");
  const std::string_view strKeyword = fields.m_strField[0];
  if (written.substr(0, strKeyword.size()) != strKeyword) return false;
  written.remove_prefix(strKeyword.size());
  for (int i = 0; i < 4; ++i) {
    if (written.empty() || written[0] != ' ') return false;
    written.remove_prefix(1);
    const size_t nEnd = written.find(' ');
    if (nEnd == std::string_view::npos || !IsWrittenNumber(written.substr(0, nEnd), false)) {
      return false;
    }
    written.remove_prefix(nEnd);
  }
  return written.substr(0, 1) == " " && written.substr(1) == fields.From(5);
}

std::string Quoted(std::string_view text) {
  std::string s = "\"";
  for (unsigned char c : text.substr(0, 200)) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      s += static_cast<char>(c);
    } else {
      static const char kHex[] = "0123456789abcdef";
      s += "\\x";
      s += kHex[c >> 4];
      s += kHex[c & 15];
    }
  }
  if (text.size() > 200) s += "...";
  return s + "\"";
}

}  // namespace

std::vector<std::string_view> InputLines(std::string_view input) {
  input = input.substr(0, input.find('\x1A'));
  std::vector<std::string_view> lines;
  while (!input.empty()) {
    const size_t nFeed = input.find('\n');
    std::string_view line = input.substr(0, nFeed);
    if (nFeed == std::string_view::npos) {
      input = {};
    } else {
      input.remove_prefix(nFeed + 1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    }
    lines.push_back(line);
  }
  return lines;
}

bool IsWrittenNumber(std::string_view text, bool bNotFinite) {
  if (IsOneOf(text, {"1.#INF", "-1.#INF", "-1.#IND", "1.#QNAN", "-1.#QNAN"})) return bNotFinite;
  if (text == "0") return true;
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  const size_t nInteger = CountDigits(text, 0);
  if (nInteger == 0 || (nInteger > 1 && text[0] == '0')) return false;
  size_t i = nInteger;
  size_t nFraction = 0;
  if (i < text.size() && text[i] == '.') {
    nFraction = CountDigits(text, i + 1);
    if (nFraction == 0 || text[i + nFraction] == '0') return false;  // no zeros at the end
    i += 1 + nFraction;
  }
  int nExponent;
  size_t nSignificant;
  if (i == text.size()) {  // plain notation
    if (text[0] == '0') {
      const size_t nZeros = text.find_first_not_of('0', 2) - 2;
      nExponent = -static_cast<int>(nZeros) - 1;
      nSignificant = nFraction - nZeros;
    } else {
      nExponent = static_cast<int>(nInteger) - 1;
      nSignificant = nInteger + nFraction;
    }
    return nExponent >= -4 && nExponent <= 14 && nSignificant <= 15 &&
           (text[0] != '0' || nFraction > 0);
  }
  // Exponent notation: one digit before the point, three in the exponent.
  if (nInteger != 1 || text[0] == '0' || text.size() != i + 5 || text[i] != 'e' ||
      (text[i + 1] != '+' && text[i + 1] != '-') || CountDigits(text, i + 2) != 3) {
    return false;
  }
  nExponent = (text[i + 2] - '0') * 100 + (text[i + 3] - '0') * 10 + (text[i + 4] - '0');
  if (text[i + 1] == '-') nExponent = -nExponent;
  return (nExponent < -4 || nExponent > 14) && 1 + nFraction <= 15;
}

std::string CheckPassOutput(std::string_view input, std::string_view output) {
  size_t nOutputLine = 0;
  for (std::string_view line : InputLines(input)) {
    const std::string_view strKey = FirstField(line);
    if (IsOneOf(strKey, {"hs", "hcw", "hch", "hcd"})) continue;
    const size_t nFeed = output.find('\n');
    if (nFeed == std::string_view::npos) {
      return "output line " + std::to_string(nOutputLine) + " missing for " + Quoted(line);
    }
    if (nFeed == 0 || output[nFeed - 1] != '\r') {
      return "output line " + std::to_string(nOutputLine) + " does not end in CR LF";
    }
    const std::string_view written = output.substr(0, nFeed - 1);
    output.remove_prefix(nFeed + 1);
    const bool bFits =
        strKey == "hq" ? written == "hd"
                       : written == line ||
                             (IsOneOf(strKey, {"ch", "cv", "cp", "ct", "ck", "cz", "c2", "cs"}) &&
                              IsRewrite(line, written));
    if (!bFits) {
      return "output line " + std::to_string(nOutputLine) + " " + Quoted(written) +
             " does not fit input line " + Quoted(line);
    }
    ++nOutputLine;
  }
  if (!output.empty()) return "output has more lines than the input: " + Quoted(output);
  return std::string();
}
