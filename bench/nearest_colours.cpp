// The nearest-colour searches of the picker, measured per candidate against one bare CIEDE2000
// evaluation in the same run. Counter x_deltae: the median ratio of a search's processor time to
// that of bare CIEDE2000 evaluations of the picked colour against each of its candidates, the two
// measured in alternation so that both meet the same machine.

#include "catalogue/ColourLab.h"
#include "catalogue/ColourMath.h"
#include "catalogue/NearestColourSearch.h"
#include "catalogue/TNData.h"
#include "loading/ModuleLocation.h"
#include "support/ThreadClock.h"
#include "support/UniqueFolder.h"
#include "tools/catgen/CatalogueGenerator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

namespace fs = std::filesystem;

// One store per catalogue shape, loaded once: a single product of `colours` wheel colours and a
// tinting table of `auxiliary` colours.
TNData& StoreWith(int colours, int auxiliary) {
    static std::map<std::pair<int, int>, std::unique_ptr<TNData>> stores;
    auto& store = stores[{colours, auxiliary}];
    if (!store) {
        const fs::path folder = testsupport::MakeUniqueFolder("tn-bench-nearest-");
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

// The median over 15 alternations of `search`'s processor time divided by that of CIEDE2000 from
// `picked` to each of `candidates`; each side is repeated until it covers 10,000 candidates.
template <typename Search>
double RatioToBareDeltaE(Search&& search, const ColourVector& picked,
                         const std::vector<ColourVector>& candidates) {
    const std::size_t repeats = std::max<std::size_t>(1, 10000 / std::max<std::size_t>(1, candidates.size()));
    const auto seconds = [&](auto&& work) {
        const double start = benchsupport::ThreadSeconds();
        for (std::size_t r = 0; r < repeats; ++r) {
            work();
        }
        return benchsupport::ThreadSeconds() - start;
    };
    std::vector<double> ratios;
    for (int i = 0; i < 15; ++i) {
        const double bare = seconds([&] {
            for (const ColourVector& candidate : candidates) {
                benchmark::DoNotOptimize(DeltaE2000(picked, candidate));
            }
        });
        ratios.push_back(seconds(search) / bare);
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios[ratios.size() / 2];
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
    std::vector<ColourVector> candidates;
    for (const auto& colour : store.GetCatalogue()->colours) {
        candidates.push_back(colour->lab);
    }
    state.counters["x_deltae"] =
        RatioToBareDeltaE([&] { ProposeNearestColours(store, picked[5]); }, picked[5], candidates);
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
    const RgbaColour rgb{200, 120, 40, 255, 0};
    std::vector<ColourVector> candidates;
    for (const auto& tint : store.GetCatalogue()->auxiliaryColours) {
        candidates.push_back(tint->lab);
    }
    state.counters["x_deltae"] = RatioToBareDeltaE(
        [&] { benchmark::DoNotOptimize(store.FindNearestAuxiliaryColour(rgb)); }, LabOf(rgb), candidates);
}
BENCHMARK(NearestTintingColour)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
