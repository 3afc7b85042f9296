#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <string_view>

#include "convert/dravel03_doc.h"
#include "tests/memory_platform.h"

namespace {

struct CRecordCase {
  const char* pName;
  std::string_view line;
  bool bInMsg;
};

const CRecordCase kCases[] = {
    {"segment", "12.5 -340.125 188.240991129614 -97.3", false},
    {"circle", "ci -105.263157894737 217.5 12.5", false},
    {"switch_lg", "lg3", false},
    {"switch_cn", "cn4", false},
    {"header_hq", "hq", false},
    {"header_hch", "hch 2 2.5 3 3.5 4 4.5 5 5.5 6 6.5", false},
    {"text_kept", "ch -105.263157894737 217.5 30 0 \x95\xbd\x96\xca\x90\x7d", false},
    {"text_turned", "ch -105.263157894737 217.5 -30 0 \x95\xbd\x96\xca\x90\x7d", false},
    {"text_turned_diagonal", "ct 10.125 20 -21.2132034355964 -21.2132034355964 Room 101", false},
    {"cs_in_msg", "cs 40 55 -30 0 \x82\x50\x82\x4f\x82\x4f", true},
    {"reference_line", "10 50 110 50", true},
};

void BM_DispatchRecord(benchmark::State& state) {
  const CRecordCase& c = kCases[state.range(0)];
  state.SetLabel(c.pName);
  CMemoryPlatform platform;
  CDravel03Doc doc(platform, "/G1");
  doc.m_strMode = "/G1";
  for (int& nScale : doc.m_nScale) nScale = 1;
  for (double& dHeight : doc.m_dHeight) dHeight = 2.5;
  doc.m_nAlign = 4;
  CPassState pass;
  pass.strReference = "10 50 110 50";
  for (auto _ : state) {
    pass.bInMsg = c.bInMsg;
    benchmark::DoNotOptimize(doc.DispatchRecord(c.line, pass));
  }
}
BENCHMARK(BM_DispatchRecord)->DenseRange(0, static_cast<int>(std::size(kCases)) - 1)->ArgName("kind");

}  // namespace
