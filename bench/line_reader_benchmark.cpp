#include <benchmark/benchmark.h>

#include <string>

#include "bench/memory_file.h"
#include "bench/temp_generator.h"
#include "run/line_reader.h"
#include "run/line_writer.h"

namespace {

const std::string& MixedFile() {
  static const std::string strFile = GenerateTemp(Profile::Mixed, 1, 100000);
  return strFile;
}

void BM_ReadLines(benchmark::State& state) {
  const std::string& strFile = MixedFile();
  for (auto _ : state) {
    CMemoryFile file(strFile);
    CLineReader reader(file);
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
    CMemoryFile input(strFile);
    CMemoryFile output;
    CLineReader reader(input);
    CLineWriter writer(output);
    std::string_view line;
    while (reader.ReadLine(line)) writer.WriteLine(line);
    writer.Flush();
    benchmark::DoNotOptimize(output.Written());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * strFile.size()));
}
BENCHMARK(BM_CopyLines);

}  // namespace
