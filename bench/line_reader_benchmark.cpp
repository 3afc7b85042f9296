#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/temp_generator.h"
#include "run/line_reader.h"
#include "run/line_writer.h"
#include "tests/memory_platform.h"

namespace {

const std::string& MixedFile() {
  static const std::string strFile = GenerateTemp(Profile::Mixed, 1, 100000);
  return strFile;
}

void BM_ReadLines(benchmark::State& state) {
  const std::string& strFile = MixedFile();
  for (auto _ : state) {
    CMemoryPlatform platform;
    platform.m_files["temp.txt"] = strFile;
    std::unique_ptr<CFile> pFile = platform.OpenForReading("temp.txt");
    CLineReader reader(*pFile);
    std::string_view line;
    size_t nLines = 0;
    while (reader.ReadLine(line)) ++nLines;
    benchmark::DoNotOptimize(nLines);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * strFile.size()));
}
BENCHMARK(BM_ReadLines);

// Reading and writing every line unchanged: the floor of a whole pass.
void BM_CopyLines(benchmark::State& state) {
  const std::string& strFile = MixedFile();
  for (auto _ : state) {
    CMemoryPlatform platform;
    platform.m_files["temp.txt"] = strFile;
    platform.m_files["jwc_temp.txt"].reserve(strFile.size() * 2);  // no growth inside the loop
    std::unique_ptr<CFile> pInput = platform.OpenForReading("temp.txt");
    std::unique_ptr<CFile> pOutput = platform.OpenForWriting("jwc_temp.txt");
    CLineReader reader(*pInput);
    CLineWriter writer(*pOutput);
    std::string_view line;
    while (reader.ReadLine(line)) writer.WriteLine(line);
    writer.Flush();
    benchmark::DoNotOptimize(platform.m_files["jwc_temp.txt"].size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * strFile.size()));
}
BENCHMARK(BM_CopyLines);

}  // namespace
