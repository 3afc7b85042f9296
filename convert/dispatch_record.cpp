#include <array>
#include <string_view>

#include "convert/dravel03_doc.h"
#include "fields/field_list.h"

namespace {

using namespace std::string_view_literals;

// The two-letter prefix test: a shorter first field never matches.
bool HasPrefix(std::string_view strKey, const char (&prefix)[3]) {
  return strKey.size() >= 2 && strKey[0] == prefix[0] && strKey[1] == prefix[1];
}

// The index of an "lg", "cn" or "cc" record: its first field's last byte.
int32_t IndexCharacter(std::string_view strKey) {
  return CFieldList::ReadIndex(strKey.substr(strKey.size() - 1));
}

bool IsKeywordStart(char c) { return (c >= 'a' && c <= 'z') || c == '#'; }

// The second letters of the text keywords "ch", "cv", "cp", "ct", "ck", "cz"
// and "c2", looked up rather than compared in turn: text keywords follow
// each other in no order a branch could learn.
constexpr std::array<bool, 256> TextKeywordLetters() {
  std::array<bool, 256> letters{};
  for (unsigned char c : {'h', 'v', 'p', 't', 'k', 'z', '2'}) letters[c] = true;
  return letters;
}

constexpr std::array<bool, 256> kTextKeywordLetters = TextKeywordLetters();

bool IsTextKeyword(std::string_view strKey) {
  return strKey.size() == 2 && strKey[0] == 'c' &&
         kTextKeywordLetters[static_cast<unsigned char>(strKey[1])];
}

}  // namespace

std::optional<std::string_view> CDravel03Doc::DispatchRecord(std::string_view line,
                                                             CPassState& state) {
  // Most lines need only their first field; the others split in full below.
  // Every keyword begins with a small letter or "#": outside a msg block
  // any other line, a segment most often, is copied on its first byte.
  if (!state.bInMsg) {
    const size_t nStart = line.find_first_not_of(' ');
    if (nStart == std::string_view::npos || !IsKeywordStart(line[nStart])) return line;
  }
  const std::string_view strKey = FirstField(line);

  if (strKey == "hq") return "hd"sv;
  if (strKey == "hs") {
    CFieldList fields;
    fields.Split(line, " ");
    for (int i = 0; i < kScaleCount; ++i) m_nScale[i] = CFieldList::ReadIndex(fields.m_strField[i + 1]);
    return std::nullopt;
  }
  if (strKey == "hcw" || strKey == "hcd") return std::nullopt;
  if (strKey == "hch") {
    CFieldList fields;
    fields.Split(line, " ");
    for (int i = 1; i < kHeightCount; ++i) m_dHeight[i] = CFieldList::ReadNumber(fields.m_strField[i]);
    return std::nullopt;
  }
  if (HasPrefix(strKey, "lg")) {
    m_nLayerGroup = IndexCharacter(strKey);
    return line;
  }
  if (HasPrefix(strKey, "cn") && strKey.size() <= 4) {
    m_nSizeIndex = IndexCharacter(strKey);
    if (m_nSizeIndex == 0) {
      CFieldList fields;
      fields.Split(line, " ");
      m_dHeight[0] = CFieldList::ReadNumber(fields.m_strField[2]);
    }
    return line;
  }
  if (strKey == "msg") {
    state.bInMsg = true;
    return line;
  }
  if (strKey == "#") {
    state.bInMsg = false;
    return line;
  }
  // A first field that reads as a number other than 0 is no keyword; only
  // inside a msg block does it matter.
  if (state.bInMsg && CFieldList::ReadNumber(strKey) != 0) {
    state.strReference.assign(line);
    return line;
  }
  if (strKey == "cs") {
    if (state.bInMsg) {
      return PlaceByReference(state.strReference, line, state.strRewritten);
    }
  } else if (HasPrefix(strKey, "cc")) {
    m_nAlign = IndexCharacter(strKey);
    return line;
  } else if (!IsTextKeyword(strKey)) {
    return line;
  }
  if (!IsFlipMode()) return line;
  return FlipTextRecord(line, state.strRewritten);
}
