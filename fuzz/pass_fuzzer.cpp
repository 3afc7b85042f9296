// The whole pass over any bytes, in every run mode, through files in
// memory: it ends, reports nothing, closes both files and writes only what
// the input lines allow (see CheckPassOutput). Reading the input in small
// pieces must not change the output.
#include <cstdint>
#include <string>
#include <string_view>

#include "convert/dravel03_doc.h"
#include "fuzz/require.h"
#include "tests/memory_platform.h"
#include "tests/pass_check.h"

namespace {

std::string Convert(const std::string& strMode, const std::string& strInput, size_t nReadChunk) {
  CMemoryPlatform platform;
  platform.m_files["temp.txt"] = strInput;
  platform.m_nReadChunk = nReadChunk;
  CDravel03Doc doc(platform, strMode);
  Require(doc.NewDocument(), "NewDocument failed");
  Require(!doc.FileErrorReported() && platform.m_messages.empty(), "a file error was reported");
  Require(platform.m_nOpenFiles == 0 && platform.m_nMisuses == 0, "files misused or left open");
  Require(platform.m_files["temp.txt"] == strInput, "the input was changed");
  return platform.m_files["jwc_temp.txt"];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  const std::string strInput(reinterpret_cast<const char*>(pData), nSize);
  for (const char* pMode : {"", "/G1", "/G2", "/G3", "/M1", "/M2", "/M3"}) {
    const std::string strOutput = Convert(pMode, strInput, static_cast<size_t>(-1));
    const std::string strProblem = CheckPassOutput(strInput, strOutput);
    Require(strProblem.empty(), std::string(pMode) + ": " + strProblem);
    if (std::string_view(pMode) == "/G1") {
      const size_t nChunk = 1 + nSize % 7;
      Require(Convert(pMode, strInput, nChunk) == strOutput, "reading in pieces changed the output");
    }
  }
  return 0;
}
