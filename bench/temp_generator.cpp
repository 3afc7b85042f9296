// The generator behind generate_temp and the micro-benchmarks' inputs.
#include "bench/temp_generator.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// splitmix64: small, fast and fully specified.
class CRandom {
 public:
  explicit CRandom(uint64_t nSeed) : m_nState(nSeed) {}

  uint64_t Next() {
    uint64_t z = (m_nState += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }

  // 0 to n - 1; the tiny bias of the modulo does not matter here.
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

  bool Chance(int nPercent) { return Below(100) < nPercent; }

  // A uniform double in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

 private:
  uint64_t m_nState;
};

struct CProfileMix {
  int nTextPercent;     // share of body lines that are text records
  int nTurnedPercent;   // share of text records pointing left or down
  int nMsgPerMille;     // chance per body line that a msg block starts
};

CProfileMix MixOf(Profile profile) {
  switch (profile) {
    case Profile::Mixed:
      return {30, 50, 2};
    case Profile::Copy:
      return {0, 0, 0};
    case Profile::Text:
      return {90, 85, 4};
  }
  return {};
}

class CGenerator {
 public:
  CGenerator(Profile profile, uint64_t nSeed) : m_mix(MixOf(profile)), m_random(nSeed) {}

  std::string& Output() { return m_strOut; }

  void WriteHeader() {
    Line("hq");
    m_strLine = "hs";
    for (int i = 0; i < 17; ++i) {
      static const int kScales[] = {1, 1, 2, 5, 10, 20, 50, 100};
      m_strLine += ' ';
      AppendInteger(kScales[m_random.Below(8)]);
    }
    Flush();
    Line("hzs 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
    for (const char* pKey : {"hcw", "hch", "hcd"}) {
      m_strLine = pKey;
      for (int i = 1; i <= 10; ++i) {
        m_strLine += ' ';
        AppendNumber(i * 0.5 + (std::string_view(pKey) == "hcd" ? 0.0 : 1.0));
      }
      Flush();
    }
    Line("hn");
  }

  void WriteBody() {
    if (m_mix.nMsgPerMille > 0 && m_random.Below(1000) < m_mix.nMsgPerMille) {
      WriteMsgBlock();
    } else if (m_random.Chance(m_mix.nTextPercent)) {
      WriteTextRecord(TextKeyword());
    } else {
      WriteOtherRecord();
    }
  }

  size_t LinesWritten() const { return m_nLines; }

 private:
  const char* TextKeyword() {
    static const char* const kKeys[] = {"ch", "ch", "ch", "ch", "ch", "ch", "cv", "ct", "cp", "ck"};
    return kKeys[m_random.Below(10)];
  }

  // Records the host writes between its texts: segments (four numbers),
  // circles and arcs, points, and layer, group, size, colour and alignment
  // switches.
  void WriteOtherRecord() {
    const int n = m_random.Below(100);
    if (n < 50) {
      m_strLine.clear();
      AppendCoordinate();
      for (int i = 0; i < 3; ++i) {
        m_strLine += ' ';
        AppendCoordinate();
      }
    } else if (n < 62) {
      m_strLine = "ci ";
      AppendCoordinate();
      m_strLine += ' ';
      AppendCoordinate();
      m_strLine += ' ';
      AppendNumber(std::round(m_random.Unit() * 5000) / 100);
      if (m_random.Chance(40)) m_strLine += " 0 180 1 0";
    } else if (n < 70) {
      m_strLine = "pt ";
      AppendCoordinate();
      m_strLine += ' ';
      AppendCoordinate();
    } else if (n < 76) {
      m_strLine = "ly";
      m_strLine += HexDigit(m_random.Below(16));
    } else if (n < 80) {
      m_strLine = "lg";
      m_strLine += HexDigit(m_random.Below(16));
    } else if (n < 86) {
      m_strLine = "lc";
      AppendInteger(1 + m_random.Below(9));
    } else if (n < 90) {
      m_strLine = "lt";
      AppendInteger(1 + m_random.Below(9));
    } else if (n < 95) {
      WriteSizeSwitch();
      return;
    } else {
      m_strLine = "cc";
      AppendInteger(m_random.Below(9));
    }
    Flush();
  }

  void WriteSizeSwitch() {
    const int nSize = m_random.Below(11);
    if (nSize == 0) {
      m_strLine = "cn0 ";
      AppendNumber(2.5);
      m_strLine += ' ';
      AppendNumber(3.5);
      m_strLine += " 0";
    } else {
      m_strLine = "cn";
      AppendInteger(nSize);
    }
    Flush();
  }

  void WriteTextRecord(std::string_view strKey) {
    // Texts follow their own size and alignment switches now and then.
    if (m_random.Chance(5)) WriteSizeSwitch();
    if (m_random.Chance(3)) {
      m_strLine = "cc";
      AppendInteger(m_random.Below(9));
      Flush();
    }
    const std::string strText = Text();
    const double dLength = (2.5 + m_random.Below(8) * 0.5) * m_nTextChars;
    const bool bTurned = m_random.Chance(m_mix.nTurnedPercent);
    double dx, dy;
    if (m_random.Chance(85)) {
      // Axis-aligned: right or up is accepted under /G1, left or down is
      // turned. A "cv" text runs down the page when it is accepted.
      const bool bVertical = strKey == "cv" ? true : m_random.Chance(20);
      const bool bNegative = strKey == "cv" ? !bTurned : bTurned;
      const double dSigned = bNegative ? -dLength : dLength;
      dx = bVertical ? 0.0 : dSigned;
      dy = bVertical ? dSigned : 0.0;
    } else {
      // Diagonal: a random direction in the left or right half-plane,
      // scaled with the correctly rounded sqrt alone, so that no library
      // function's last bit decides the file's bytes.
      const double u = 0.05 + m_random.Unit();
      const double v = m_random.Unit() * 2.0 - 1.0;
      const double dScale = dLength / std::sqrt(u * u + v * v);
      dx = (bTurned ? -u : u) * dScale;
      dy = v * dScale;
    }
    m_strLine.assign(strKey);
    m_strLine += ' ';
    AppendCoordinate();
    m_strLine += ' ';
    AppendCoordinate();
    m_strLine += ' ';
    AppendNumber(dx);
    m_strLine += ' ';
    AppendNumber(dy);
    m_strLine += ' ';
    m_strLine += strText;
    Flush();
  }

  // A dimension text block: a reference line, then the "cs" records placed
  // against it.
  void WriteMsgBlock() {
    Line("msg");
    m_strLine.clear();
    for (int i = 0; i < 4; ++i) {
      if (i > 0) m_strLine += ' ';
      AppendCoordinate();
    }
    Flush();
    const int nRecords = 1 + m_random.Below(3);
    for (int i = 0; i < nRecords; ++i) WriteTextRecord("cs");
    Line("#");
  }

  // Shift-JIS text: Japanese words with full-width blanks between them, or
  // ASCII words with blanks, or a mix. m_nTextChars counts its characters.
  std::string Text() {
    std::string strText;
    m_nTextChars = 0;
    const int nWords = 1 + m_random.Below(3);
    const bool bAscii = m_random.Chance(30);
    for (int w = 0; w < nWords; ++w) {
      if (w > 0) {
        if (bAscii) {
          strText += ' ';
        } else {
          strText += "\x81\x40";  // full-width blank
        }
        ++m_nTextChars;
      }
      const int nChars = 1 + m_random.Below(6);
      for (int c = 0; c < nChars; ++c) {
        if (bAscii) {
          strText += static_cast<char>((c == 0 ? 'A' : 'a') + m_random.Below(26));
        } else {
          AppendJapaneseCharacter(strText);
        }
        ++m_nTextChars;
      }
    }
    return strText;
  }

  void AppendJapaneseCharacter(std::string& strText) {
    const int n = m_random.Below(10);
    if (n < 4) {  // hiragana 0x829F to 0x82F1
      strText += '\x82';
      strText += static_cast<char>(0x9F + m_random.Below(0xF1 - 0x9F + 1));
    } else if (n < 6) {  // katakana 0x8340 to 0x837E
      strText += '\x83';
      strText += static_cast<char>(0x40 + m_random.Below(0x7E - 0x40 + 1));
    } else if (n < 7) {  // full-width digits 0x824F to 0x8258
      strText += '\x82';
      strText += static_cast<char>(0x4F + m_random.Below(10));
    } else {  // level 1 kanji, rows 0x89 to 0x97, second byte 0x80 to 0xFC
      strText += static_cast<char>(0x89 + m_random.Below(0x97 - 0x89 + 1));
      strText += static_cast<char>(0x80 + m_random.Below(0xFC - 0x80 + 1));
    }
  }

  // Coordinates on a drawing sheet: whole millimetres, short decimals, or a
  // computed value with the full fifteen digits.
  void AppendCoordinate() {
    const double d = (m_random.Unit() - 0.5) * 800.0;
    const int n = m_random.Below(10);
    if (n < 2) {
      AppendNumber(std::round(d));
    } else if (n < 5) {
      AppendNumber(std::round(d * 1000) / 1000);
    } else {
      AppendNumber(d);
    }
  }

  // As the host writes numbers: at most fifteen significant digits.
  void AppendNumber(double d) {
    if (d == 0) d = 0.0;  // the host writes no negative zero
    char text[32];
    const std::to_chars_result result =
        std::to_chars(text, text + sizeof text, d, std::chars_format::general, 15);
    m_strLine.append(text, result.ptr);
  }

  void AppendInteger(int n) { m_strLine += std::to_string(n); }

  static char HexDigit(int n) { return "0123456789abcdef"[n]; }

  void Line(std::string_view strText) {
    m_strLine.assign(strText);
    Flush();
  }

  void Flush() {
    m_strOut += m_strLine;
    m_strOut += "\r\n";
    ++m_nLines;
  }

  const CProfileMix m_mix;
  CRandom m_random;
  std::string m_strLine;
  int m_nTextChars = 0;
  std::string m_strOut;
  size_t m_nLines = 0;
};

}  // namespace

bool ParseProfile(std::string_view strName, Profile& profile) {
  if (strName == "mixed") {
    profile = Profile::Mixed;
  } else if (strName == "copy") {
    profile = Profile::Copy;
  } else if (strName == "text") {
    profile = Profile::Text;
  } else {
    return false;
  }
  return true;
}

void GenerateTemp(Profile profile, uint64_t nSeed, const CTempSize& size,
                  const std::function<void(std::string_view)>& write) {
  constexpr size_t kPiece = 64 * 1024;
  CGenerator generator(profile, nSeed);
  generator.WriteHeader();
  size_t nBytes = 0;
  // A msg block may run a few lines past the count: it is always complete.
  while (size.nLines > 0 ? generator.LinesWritten() < size.nLines : nBytes < size.nBytes) {
    generator.WriteBody();
    std::string& strOut = generator.Output();
    if (strOut.size() >= kPiece) {
      nBytes += strOut.size();
      write(strOut);
      strOut.clear();
    }
  }
  write(generator.Output());
}

std::string GenerateTemp(Profile profile, uint64_t nSeed, size_t nLines) {
  std::string strText;
  GenerateTemp(profile, nSeed, CTempSize{nLines, 0},
               [&strText](std::string_view strPiece) { strText.append(strPiece); });
  return strText;
}
