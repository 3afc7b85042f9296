// File-fault injection: the pass is run again and again, with the N-th file
// operation failing, for N = 1, 2, ... until the pass gets through without
// meeting the fault.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "convert/dravel03_doc.h"
#include "run/line_reader.h"
#include "tests/memory_platform.h"

namespace {

using Operation = CMemoryPlatform::Operation;

const char kMissing[] = ": ファイルがありません";
const char kOldOutput[] = "old contents\r\n";

// Lines of every kind the pass treats differently, CR LF and LF line ends,
// and a line longer than the file buffers, repeated to `nSize` bytes.
std::string FaultInput(size_t nSize, size_t nLongLine) {
  std::string strInput =
      "hq 1\r\nhs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nhch 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5 2.5\n"
      "lg0\ncn1\n";
  std::string strLong = "ch 1 2 -3 -4 ";
  strLong.append(nLongLine, 'L');
  while (strInput.size() < nSize) {
    strInput +=
        "ch 10 20 -30 -10 ABC\r\n"
        "cv 5 5 0 10 \x95\x5C\x83\x7C\n"
        "msg\n100 100 200 100\ncs 150 100 -30 0 label\n#\n"
        "hcw 1 2 3 4 5 6 7 8 9 10\n"
        "a line copied as it is\n\n";
    strInput += strLong + "\n";
  }
  return strInput + "last line without a line end";
}

struct CRun {
  std::vector<CMemoryPlatform::COperation> operations;
  std::vector<std::string> messages;
  std::string strOutput;
  bool bErrorReported;
  bool bFaultReached;
};

CRun Run(const std::string& strInput, size_t nBufferSize, size_t nFailAt, bool bFailLater) {
  CMemoryPlatform platform;
  platform.m_files["temp.txt"] = strInput;
  platform.m_files["jwc_temp.txt"] = kOldOutput;
  platform.m_nFailAt = nFailAt;
  platform.m_bFailLater = bFailLater;
  CDravel03Doc doc(platform, "/G1");
  doc.m_nFileBufferSize = nBufferSize;
  EXPECT_TRUE(doc.NewDocument());
  EXPECT_EQ(platform.m_nOpenFiles, 0) << "fault at " << nFailAt;
  EXPECT_EQ(platform.m_nMisuses, 0) << "fault at " << nFailAt;
  EXPECT_EQ(platform.m_files["temp.txt"], strInput) << "fault at " << nFailAt;
  return {platform.m_operations, platform.m_messages, platform.m_files["jwc_temp.txt"],
          doc.FileErrorReported(), platform.FaultReached()};
}

// The input up to the end of its last whole line among the first `nBytes`.
std::string WholeLines(const std::string& strInput, size_t nBytes) {
  if (nBytes == 0) return std::string();
  const size_t nFeed = strInput.rfind('\n', nBytes - 1);
  return nFeed == std::string::npos ? std::string() : strInput.substr(0, nFeed + 1);
}

// What the fault-free run wrote before its operation number `nBefore`.
std::string WrittenBefore(const CRun& clean, size_t nBefore) {
  std::string strWritten;
  size_t nPos = 0;
  for (size_t i = 0; i + 1 < nBefore; ++i) {
    if (clean.operations[i].nKind != Operation::Write) continue;
    strWritten += clean.strOutput.substr(nPos, clean.operations[i].nSize);
    nPos += clean.operations[i].nSize;
  }
  return strWritten;
}

size_t BytesReadBefore(const CRun& clean, size_t nBefore) {
  size_t nBytes = 0;
  for (size_t i = 0; i + 1 < nBefore; ++i) {
    if (clean.operations[i].nKind == Operation::Read) nBytes += clean.operations[i].nSize;
  }
  return nBytes;
}

struct FaultCase {
  const char* name;
  size_t nInputSize;
  size_t nLongLine;
  size_t nBufferSize;
};

void PrintTo(const FaultCase& c, std::ostream* pOut) { *pOut << c.name; }

class ConvertFaultTest : public testing::TestWithParam<FaultCase> {};

// For each N: one message naming the failing file as the pass reports it,
// the error reported, nothing read or opened after the fault and nothing
// written after a failed write, and in jwc_temp.txt exactly the lines
// written before the fault (after a read error, all lines handled before
// it; after a failed close, all of them).
void CheckEveryFault(const FaultCase& c, bool bFailLater) {
  const std::string strInput = FaultInput(c.nInputSize, c.nLongLine);
  const CRun clean = Run(strInput, c.nBufferSize, 0, false);
  ASSERT_TRUE(clean.messages.empty());
  ASSERT_FALSE(clean.bErrorReported);
  size_t nReads = 0, nWrites = 0;
  for (const auto& operation : clean.operations) {
    nReads += operation.nKind == Operation::Read;
    nWrites += operation.nKind == Operation::Write;
  }
  ASSERT_GE(nReads, 4u);
  ASSERT_GE(nWrites, 4u);

  std::set<std::pair<Operation, std::string>> faulted;
  for (size_t n = 1;; ++n) {
    SCOPED_TRACE("fault at operation " + std::to_string(n));
    const CRun run = Run(strInput, c.nBufferSize, n, bFailLater);
    if (!run.bFaultReached) {
      EXPECT_EQ(n, clean.operations.size() + 1);
      EXPECT_TRUE(run.messages.empty());
      EXPECT_EQ(run.strOutput, clean.strOutput);
      break;
    }
    ASSERT_LE(n, clean.operations.size());
    const CMemoryPlatform::COperation& fault = run.operations[n - 1];
    faulted.emplace(fault.nKind, fault.strName);
    EXPECT_EQ(fault.nKind, clean.operations[n - 1].nKind);
    EXPECT_EQ(fault.strName, clean.operations[n - 1].strName);
    const bool bOpen = fault.nKind == Operation::Open;
    const std::string strShown = bOpen ? fault.strName : CMemoryPlatform::FullPathOf(fault.strName);
    EXPECT_EQ(run.messages, std::vector<std::string>{strShown + kMissing});
    EXPECT_TRUE(run.bErrorReported);

    for (size_t i = n; i < run.operations.size(); ++i) {
      const Operation nKind = run.operations[i].nKind;
      EXPECT_TRUE(nKind != Operation::Open && nKind != Operation::Read) << "operation " << i + 1;
      EXPECT_FALSE(fault.nKind == Operation::Write && nKind == Operation::Write) << "operation " << i + 1;
    }

    if (bOpen && fault.strName == "jwc_temp.txt") {
      EXPECT_EQ(run.strOutput, kOldOutput);  // left as it was
      EXPECT_EQ(run.operations.size(), 1u);  // and temp.txt not opened
      continue;
    }
    std::string strExpected;
    if (bFailLater || fault.nKind == Operation::Write) {
      strExpected = WrittenBefore(clean, n);
    } else if (fault.nKind == Operation::Read) {
      strExpected = Run(WholeLines(strInput, BytesReadBefore(clean, n)), c.nBufferSize, 0, false).strOutput;
    } else if (fault.nKind == Operation::Close) {
      strExpected = clean.strOutput;
    }
    // Whole lines, the first ones of the fault-free output.
    EXPECT_EQ(run.strOutput.size(), strExpected.size());
    EXPECT_TRUE(run.strOutput == strExpected);
    EXPECT_EQ(clean.strOutput.compare(0, run.strOutput.size(), run.strOutput), 0);
    if (!run.strOutput.empty()) {
      EXPECT_EQ(run.strOutput.substr(run.strOutput.size() - 2), "\r\n");
    }
    if (testing::Test::HasFailure()) return;  // one N at fault is enough to read
  }
  const std::set<std::pair<Operation, std::string>> every = {
      {Operation::Open, "jwc_temp.txt"}, {Operation::Open, "temp.txt"},
      {Operation::Read, "temp.txt"},     {Operation::Write, "jwc_temp.txt"},
      {Operation::Close, "temp.txt"},    {Operation::Close, "jwc_temp.txt"}};
  EXPECT_EQ(faulted, every);
}

TEST_P(ConvertFaultTest, EachOperationFailingOnce) { CheckEveryFault(GetParam(), false); }

TEST_P(ConvertFaultTest, EveryOperationFailingFromOneOn) { CheckEveryFault(GetParam(), true); }

INSTANTIATE_TEST_SUITE_P(
    Buffers, ConvertFaultTest,
    testing::Values(FaultCase{"SmallBuffers", 3000, 200, 64},
                    FaultCase{"DefaultBuffers", 3 * 1024 * 1024, 300 * 1024, CLineReader::kBufferSize}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

}  // namespace
