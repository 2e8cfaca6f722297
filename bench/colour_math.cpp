#include "catalogue/ColourMath.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

namespace {

// Inputs vary from call to call so that nothing is folded into a constant.
std::array<ColourVector, 256> MakeLabColours() {
    std::array<ColourVector, 256> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const double t = static_cast<double>(i);
        colours[i] = {20.0 + (i * 37 % 60), -60.0 + (i * 53 % 120), -60.0 + (t * 0.47)};
    }
    return colours;
}

std::array<ColourVector, 256> MakeRgbColours() {
    std::array<ColourVector, 256> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = {static_cast<double>(i), static_cast<double>(i * 97 % 256),
                      static_cast<double>(i * 181 % 256)};
    return colours;
}

void DeltaE2000Call(benchmark::State& state) {
    const auto colours = MakeLabColours();
    std::size_t i = 0;
    for (auto _ : state) {
        const double difference = DeltaE2000(colours[i & 255], colours[(i * 7 + 3) & 255]);
        benchmark::DoNotOptimize(difference);
        ++i;
    }
}
BENCHMARK(DeltaE2000Call)->Repetitions(9)->ReportAggregatesOnly(true);

void SrgbToLabChain(benchmark::State& state) {
    const auto colours = MakeRgbColours();
    std::size_t i = 0;
    for (auto _ : state) {
        const ColourVector lab = XyzToLab(SrgbToXyz(colours[i & 255]), ReferenceWhite);
        benchmark::DoNotOptimize(lab);
        ++i;
    }
}
BENCHMARK(SrgbToLabChain)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
