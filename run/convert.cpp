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

// Whether the text written for a line is the line itself, and the line
// ended in CR LF: its bytes as read are then the bytes to write.
bool IsUnchangedWithCrLf(std::string_view text, std::string_view line, std::string_view asRead) {
  return text.data() == line.data() && text.size() == line.size() && asRead.size() == line.size() + 2;
}

// Unchanged lines that end in CR LF, most lines, are written as they were
// read: a run of them, while it lies in the input buffer, goes to the
// writer in one piece.
class CUnchangedRun {
 public:
  explicit CUnchangedRun(CLineWriter& writer) : m_writer(writer) {}

  // A line's bytes as read: they extend the run, or start a new one.
  void Add(std::string_view asRead) {
    if (m_run.data() + m_run.size() != asRead.data()) {
      Write();
      m_run = asRead.substr(0, 0);
    }
    m_run = std::string_view(m_run.data(), m_run.size() + asRead.size());
  }

  // Gives the run to the writer: before another line is written, and
  // before the input buffer is filled again.
  void Write() {
    if (!m_run.empty()) m_writer.WriteAsRead(m_run);
    m_run = std::string_view();
  }

 private:
  CLineWriter& m_writer;
  std::string_view m_run;
};

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
  CLineWriter writer(*pOutput, m_nFileBufferSize, m_platform.CanUseFilesInBackground());
  std::unique_ptr<CFile> pInput;
  try {
    pInput = m_platform.OpenForReading(kInputName);
    CLineReader reader(*pInput, m_nFileBufferSize, m_platform.CanUseFilesInBackground());
    CUnchangedRun run(writer);
    for (;;) {
      std::string_view line;
      if (!reader.ReadBufferedLine(line)) {
        run.Write();
        if (!reader.ReadLineAcrossBuffers(line)) break;
      }
      const std::optional<std::string_view> text = DispatchRecord(line, state);
      if (!text) continue;
      const std::string_view asRead = reader.LastLineAsRead();
      if (IsUnchangedWithCrLf(*text, line, asRead)) {
        run.Add(asRead);
      } else {
        run.Write();
        writer.WriteLine(*text);
      }
    }
    run.Write();
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
