#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "convert/pass_state.h"
#include "platform/document.h"
#include "platform/platform.h"
#include "run/line_reader.h"

class CPlacement;

// The program's one document: the conversion settings, carried from line to
// line and from the command line into the rewrites, and the operations that
// read them.
class CDravel03Doc : public CDocument {
 public:
  static constexpr int kScaleCount = 17;
  static constexpr int kHeightCount = 11;

  // `strFirstArgument` is the first command-line argument, empty when there
  // is none; it gives the run mode of every pass.
  CDravel03Doc(CPlatform& platform, std::string strFirstArgument);

  // Run control: mode selection and one pass over the two files.
  bool NewDocument() override;
  void Convert();
  bool FileErrorReported() const { return m_bFileErrorReported; }

  // How many bytes the pass reads, and writes, at a time. Tests make it
  // small to get many reads and writes out of a small file.
  size_t m_nFileBufferSize = CLineReader::kBufferSize;

  // Record dispatch: what one input line does to the settings and the pass
  // state, and the text written in its place (none for a consumed line). The
  // text refers to `line` or to `state`, until the next call.
  std::optional<std::string_view> DispatchRecord(std::string_view line, CPassState& state);

  // The geometric steps; each changes only the placement it is given.
  void FlipPlacement(CPlacement& placement) const;
  void ShiftAnchor(CPlacement& placement) const;
  bool IsSkewToReference(const CPlacement& placement) const;

  // The height of the text in record coordinates, from the current layer
  // group's scale and size index's height.
  double ScaledHeight() const;

  // The two record rewrites: the line unchanged, byte for byte, or a new
  // line. A new line is written into `strOut`, a buffer kept from one record
  // to the next. The result is `line` (or `record`) itself when it
  // stays unchanged, otherwise a view of `strOut`.
  std::string_view FlipTextRecord(std::string_view line, std::string& strOut) const;
  std::string_view PlaceByReference(std::string_view reference, std::string_view record,
                                    std::string& strOut);

  // The settings. Every value is defined before any record sets it: all
  // zero, both indexes inside their tables.
  int32_t m_nAlign = 0;
  double m_dRef[4] = {};  // x1, y1, x2, y2 of the reference line
  int32_t m_nSizeIndex = 0;
  int32_t m_nLayerGroup = 0;
  std::string m_strMode;
  std::string m_strSubMode;
  int32_t m_nScale[kScaleCount] = {};
  double m_dHeight[kHeightCount] = {};

 private:
  // Compared as views: the inline compare of std::string_view costs far less
  // per line than std::string's out-of-line compare with a C string.
  bool IsMode(std::string_view strMode) const { return std::string_view(m_strMode) == strMode; }
  bool IsFlipMode() const { return IsMode("/G1") || IsMode("/G2"); }
  void ReportFileError(const std::string& strFileName);

  CPlatform& m_platform;
  const std::string m_strFirstArgument;
  bool m_bFileErrorReported = false;
};
