#include <benchmark/benchmark.h>

#include <string_view>

#include "fields/field_list.h"
#include "fields/record_head.h"

namespace {

const std::string_view kLines[] = {
    "ch -105.263157894737 217.5 -30 0 \x95\xbd\x96\xca\x90\x7d\x81\x40\x82\x60\x81\x7c\x82\x50",
    "12.5 -340.125 188.240991129614 -97.3",
    "ct 10 20 -21.2132034355964 -21.2132034355964 Room 101 North",
    "hs 1 1 2 5 10 20 50 100 1 1 1 1 1 1 1 1 1",
};

void BM_Split(benchmark::State& state) {
  const std::string_view line = kLines[state.range(0)];
  CFieldList fields;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fields.Split(line, " "));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Split)->DenseRange(0, 3)->ArgName("line");

// The text records of kLines, and one whose number needs the full split.
void BM_ReadRecordHead(benchmark::State& state) {
  const std::string_view lines[] = {kLines[0], kLines[2], "ch 1e1 2 3 4 Exponent"};
  const std::string_view line = lines[state.range(0)];
  for (auto _ : state) {
    CRecordHead head = ReadRecordHead(line);
    benchmark::DoNotOptimize(head);
  }
}
BENCHMARK(BM_ReadRecordHead)->DenseRange(0, 2)->ArgName("line");

const std::string_view kNumbers[] = {"30", "-340.125", "-105.263157894737", "0", "1.5e-3", "lg"};

void BM_ReadNumber(benchmark::State& state) {
  const std::string_view text = kNumbers[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(CFieldList::ReadNumber(text));
}
BENCHMARK(BM_ReadNumber)->DenseRange(0, 5)->ArgName("text");

void BM_ReadIndex(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CFieldList::ReadIndex("f"));
}
BENCHMARK(BM_ReadIndex);

}  // namespace
