// The whole pass over any bytes, in every run mode, through files in
// memory: it ends, reports nothing, closes both files and writes only what
// the input lines allow (see CheckPassOutput). The file buffers are small,
// of a size taken from the input, so that lines fall across them; another
// size must give the same output.
#include <cstdint>
#include <string>
#include <string_view>

#include "convert/dravel03_doc.h"
#include "fuzz/require.h"
#include "tests/memory_platform.h"
#include "tests/pass_check.h"

namespace {

std::string Convert(const std::string& strMode, const std::string& strInput, size_t nBufferSize) {
  CMemoryPlatform platform;
  platform.m_files["temp.txt"] = strInput;
  CDravel03Doc doc(platform, strMode);
  doc.m_nFileBufferSize = nBufferSize;
  Require(doc.NewDocument(), "NewDocument failed");
  Require(!doc.FileErrorReported() && platform.m_messages.empty(), "a file error was reported");
  Require(platform.m_nOpenFiles == 0 && platform.m_nMisuses == 0, "files misused or left open");
  Require(platform.m_files["temp.txt"] == strInput, "the input was changed");
  return platform.m_files["jwc_temp.txt"];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
  const std::string strInput(reinterpret_cast<const char*>(pData), nSize);
  const size_t nBufferSize = nSize == 0 ? 1 : 1 + pData[nSize - 1] % 64;
  for (const char* pMode : {"", "/G1", "/G2", "/G3", "/M1", "/M2", "/M3"}) {
    const std::string strOutput = Convert(pMode, strInput, nBufferSize);
    const std::string strProblem = CheckPassOutput(strInput, strOutput);
    Require(strProblem.empty(), std::string(pMode) + ": " + strProblem);
    if (std::string_view(pMode) == "/G1") {
      Require(Convert(pMode, strInput, 4096) == strOutput, "the buffer size changed the output");
    }
  }
  return 0;
}
