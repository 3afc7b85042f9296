#include <benchmark/benchmark.h>

#include <string>

#include "geometry/number_format.h"

namespace {

// Short values, as read; long ones, as the steps compute them; and the far
// ends that take exponent notation.
const double kValues[] = {30.0, -17.5, -20.7905694150421, 27.628291754873693,
                          -4.440892098500626e-16, 1.23456789012345678e17};

void BM_AppendNumber(benchmark::State& state) {
  const double dValue = kValues[state.range(0)];
  std::string strOut;
  strOut.reserve(64);
  for (auto _ : state) {
    strOut.clear();
    AppendNumber(strOut, dValue);
    benchmark::DoNotOptimize(strOut.data());
  }
}
BENCHMARK(BM_AppendNumber)->DenseRange(0, 5)->ArgName("value");

}  // namespace
