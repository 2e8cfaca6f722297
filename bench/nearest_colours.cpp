// The nearest-colour searches of the picker, measured per candidate against one bare CIEDE2000
// evaluation in the same run.

#include "catalogue/ColourLab.h"
#include "catalogue/ColourMath.h"
#include "catalogue/NearestColourSearch.h"
#include "catalogue/TNData.h"
#include "loading/ModuleLocation.h"
#include "tools/catgen/CatalogueGenerator.h"

#include <benchmark/benchmark.h>
#include <xercesc/util/PlatformUtils.hpp>

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// One store per catalogue shape, loaded once: a single product of `colours` wheel colours and a
// tinting table of `auxiliary` colours.
TNData& StoreWith(int colours, int auxiliary) {
    static std::map<std::pair<int, int>, std::unique_ptr<TNData>> stores;
    auto& store = stores[{colours, auxiliary}];
    if (!store) {
        const fs::path folder =
            fs::temp_directory_path() / ("tn-bench-nearest-" + std::to_string(getpid()) + "-" +
                                         std::to_string(colours) + "-" + std::to_string(auxiliary));
        SyntheticOptions options;
        options.colours = colours;
        options.productSize = colours;
        options.wheel = true;
        options.auxiliaryColours = auxiliary;
        WriteSyntheticCatalogue(folder, options);
        SetModulePath((folder / "libtarnova.so").string());
        store = std::make_unique<TNData>();
        if (store->Load() != 0) {
            throw std::runtime_error("the generated catalogue did not load");
        }
        fs::remove_all(folder);
    }
    return *store;
}

std::array<ColourVector, 64> PickedColours() {
    std::array<ColourVector, 64> picked{};
    for (std::size_t i = 0; i < picked.size(); ++i) {
        picked[i] = LabOf({static_cast<std::uint8_t>(i * 37), static_cast<std::uint8_t>(i * 91),
                           static_cast<std::uint8_t>(i * 13), 255, 0});
    }
    return picked;
}

void BareDeltaE2000(benchmark::State& state) {
    const auto picked = PickedColours();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DeltaE2000(picked[i & 63], picked[(i * 7 + 5) & 63]));
        ++i;
    }
}
BENCHMARK(BareDeltaE2000)->Repetitions(5)->ReportAggregatesOnly(true);

void ProposeNearest(benchmark::State& state) {
    const int colours = static_cast<int>(state.range(0));
    TNData& store = StoreWith(colours, 48);
    const auto picked = PickedColours();
    std::size_t i = 0;
    for (auto _ : state) {
        ProposeNearestColours(store, picked[i++ & 63]);
    }
    state.counters["ns_per_candidate"] =
        benchmark::Counter(static_cast<double>(colours) * 1e-9,
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(ProposeNearest)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void NearestTintingColour(benchmark::State& state) {
    const int auxiliary = static_cast<int>(state.range(0));
    const TNData& store = StoreWith(10, auxiliary);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto c = static_cast<std::uint8_t>(i++);
        benchmark::DoNotOptimize(
            store.FindNearestAuxiliaryColour({c, static_cast<std::uint8_t>(c * 3), 40, 255, 0}));
    }
    state.counters["ns_per_candidate"] =
        benchmark::Counter(static_cast<double>(auxiliary) * 1e-9,
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(NearestTintingColour)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    xercesc::XMLPlatformUtils::Initialize();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    xercesc::XMLPlatformUtils::Terminate();
    return 0;
}
