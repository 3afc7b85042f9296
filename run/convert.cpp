#include <memory>

#include "convert/dravel03_doc.h"
#include "platform/file.h"
#include "run/line_reader.h"
#include "run/line_writer.h"

namespace {

const char kInputName[] = "temp.txt";
const char kOutputName[] = "jwc_temp.txt";

// Closing after a reported error: a second failure is not reported again.
void CloseQuietly(CFile& file) {
  try {
    file.Close();
  } catch (const CFileException&) {
  }
}

}  // namespace

void CDravel03Doc::ReportFileError(const std::string& strFileName) {
  m_bFileErrorReported = true;
  m_platform.ShowError(strFileName + ": ファイルがありません");
}

// One pass: every line of "temp.txt", in order, through the record dispatch
// into "jwc_temp.txt". The output is opened first; when it cannot be had,
// the input is not opened at all.
void CDravel03Doc::Convert() {
  std::unique_ptr<CFile> pOutput;
  try {
    pOutput = m_platform.OpenForWriting(kOutputName);
  } catch (const CFileException& e) {
    ReportFileError(e.FileName());
    return;
  }
  CPassState state;
  CLineWriter writer(*pOutput, m_nFileBufferSize);
  std::unique_ptr<CFile> pInput;
  try {
    pInput = m_platform.OpenForReading(kInputName);
    CLineReader reader(*pInput, m_nFileBufferSize);
    std::string_view line;
    while (reader.ReadLine(line)) {
      if (std::optional<std::string_view> text = DispatchRecord(line, state)) writer.WriteLine(*text);
    }
    pInput->Close();
    writer.Flush();
    pOutput->Close();
  } catch (const CFileException& e) {
    ReportFileError(e.FileName());
    if (pInput) CloseQuietly(*pInput);
    // The lines handled before the error stay in the output.
    try {
      writer.Flush();
    } catch (const CFileException&) {
    }
    CloseQuietly(*pOutput);
  }
}
