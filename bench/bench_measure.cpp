// Formatting and parsing measurement texts, on the values and texts a user
// typically sees. Target: well under 200 ns per call.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "measure/measurement.h"

namespace {

using namespace mezura;

constexpr std::array<double, 8> kValues = {63.5, -14815.75, 0.5, 3.40625, 143.99, 87.0, 11.96875, 250.3125};
constexpr std::array<std::string_view, 8> kTexts = {
    " 5'- 3 1/2\"", "- 1234'- 7 3/4\"", "1/2\"", " 3 13/32\"", "5'-3-1/2", "7", " 12'- 0\"", "20' 10 5/16"};

void BM_FormatLinear(benchmark::State& state) {
  const int accuracy = static_cast<int>(state.range(0));
  size_t i = 0;
  for (auto _ : state) {
    std::string text = FormatLinear(kValues[i++ % kValues.size()], accuracy);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatLinear)->Arg(16)->Arg(32);

void BM_ParseLinear(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ParseLinear(kTexts[i++ % kTexts.size()]));
}
BENCHMARK(BM_ParseLinear);

void BM_FormatSquareWithSuffix(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) {
    std::string text = FormatWithSuffix(kValues[i++ % kValues.size()] * 12, Dimension::Square, 16);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatSquareWithSuffix);

void BM_ParseByDimension(benchmark::State& state) {
  constexpr std::array<std::string_view, 3> texts = {" 1'- 6 1/2\" sq.", " 1'- 100 1/2\" cu.", " 5'- 3 1/2\""};
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ParseByDimension(texts[i++ % texts.size()]));
}
BENCHMARK(BM_ParseByDimension);

void BM_ShortNumber(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) {
    std::string text = ShortNumber(kValues[i++ % kValues.size()] / 7);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_ShortNumber);

}  // namespace
