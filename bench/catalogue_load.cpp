// Loading the catalogue. (a) 20,000 colours without textures against a bare DOM parse of the same
// bytes with the same parser settings; (b) 5,000 colours naming 50 distinct 512x512 JPEG textures
// against reading and decoding those 50 files once. Counters: x_bare and x_decode are the median
// ratios of the load's processor time to the baseline's, measured in alternation; x_decode_peak the
// ratio of their peak heap use. Catalogues come from the generator library (tools/catgen). Each
// benchmark runs its work once before timing it: a process's first use of that much memory costs
// several times the work itself, which the start-up benchmark measures.

#include "catalogue/TNPersistentData.h"
#include "catalogue/Texture.h"
#include "host/FileLocation.h"
#include "loading/CatalogueDomParser.h"
#include "loading/CatalogueParser.h"
#include "support/HeapCount.h"
#include "support/ThreadClock.h"
#include "support/UniqueFolder.h"
#include "tools/catgen/CatalogueGenerator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int plainColours = 20000;
constexpr int texturedColours = 5000;
constexpr int textureCount = 50;

// The two generated catalogues, written once into a temporary folder that goes at exit.
struct Catalogues {
    Catalogues() : root(testsupport::MakeUniqueFolder("tn-bench-")) {
        WriteSyntheticCatalogue(root / "plain", SyntheticOptions{.colours = plainColours, .textures = 0});
        WriteSyntheticCatalogue(
            root / "textured",
            SyntheticOptions{.colours = texturedColours, .textures = textureCount, .textureSize = 512});
        std::ifstream in(root / "plain" / "colours.xml", std::ios::binary);
        plainBytes.assign(std::istreambuf_iterator<char>(in), {});
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / "textured")) {
            if (entry.path().extension() == ".jpg") {
                textures.emplace_back(entry.path().string());
            }
        }
    }
    ~Catalogues() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    host::FileLocation CatalogueFile(const char* name) const {
        return host::FileLocation((root / name / "colours.xml").string());
    }

    std::filesystem::path root;
    std::string plainBytes;
    std::vector<host::FileLocation> textures;
};

const Catalogues& GetCatalogues() {
    static const Catalogues catalogues;
    return catalogues;
}

// Loads a catalogue file, failing the benchmark when it does not load whole.
void Load(benchmark::State& state, const host::FileLocation& file, std::size_t expectedColours) {
    TNPersistentData catalogue;
    if (!ParseCatalogueFile(catalogue, file) || catalogue.colours.size() != expectedColours) {
        state.SkipWithError("the generated catalogue did not load");
    }
    benchmark::DoNotOptimize(catalogue.colours.data());
}

void BareParse(benchmark::State& state, const std::string& bytes) {
    CatalogueDomParser parser;
    std::string problem;
    if (parser.Parse(bytes.data(), bytes.size(), problem) == nullptr) {
        state.SkipWithError("the generated catalogue did not parse");
    }
}

void ReadAndDecodeTextures(benchmark::State& state) {
    std::vector<Texture> textures;
    for (const host::FileLocation& file : GetCatalogues().textures) {
        textures.push_back(LoadTexture(file));
        if (textures.back().image == nullptr) {
            state.SkipWithError("a generated texture did not decode");
        }
    }
    benchmark::DoNotOptimize(textures.data());
}

template <typename Work> double SecondsOf(Work&& work) {
    const double start = benchsupport::ThreadSeconds();
    work();
    return benchsupport::ThreadSeconds() - start;
}

// The median over `pairs` runs of the load's processor time divided by the baseline's, the two run
// side by side so that both meet the same machine.
template <typename Load, typename Baseline> double MedianRatio(int pairs, Load&& load, Baseline&& baseline) {
    std::vector<double> ratios;
    for (int i = 0; i < pairs; ++i) {
        const double base = SecondsOf(baseline);
        ratios.push_back(SecondsOf(load) / base);
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios[ratios.size() / 2];
}

// The most heap the work held beyond what was held before; nullopt where the heap cannot be counted.
template <typename Work> std::optional<double> PeakMegabytesOf(Work&& work) {
    const std::optional<std::size_t> before = benchsupport::HeapInUse();
    benchsupport::ResetHeapPeak();
    work();
    if (!before) {
        return std::nullopt;
    }
    return double(benchsupport::HeapPeak() - *before) / (1024.0 * 1024.0);
}

void SetPeakCounter(benchmark::State& state, const std::optional<double>& megabytes) {
    if (megabytes) {
        state.counters["peak_MB"] = *megabytes;
    }
}

void BM_LoadPlainCatalogue(benchmark::State& state) {
    const Catalogues& catalogues = GetCatalogues();
    const host::FileLocation file = catalogues.CatalogueFile("plain");
    Load(state, file, plainColours);
    for (auto _ : state) {
        Load(state, file, plainColours);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(catalogues.plainBytes.size()));
    SetPeakCounter(state, PeakMegabytesOf([&] { Load(state, file, plainColours); }));
    state.counters["x_bare"] = MedianRatio(
        9, [&] { Load(state, file, plainColours); }, [&] { BareParse(state, catalogues.plainBytes); });
}
BENCHMARK(BM_LoadPlainCatalogue)->Unit(benchmark::kMillisecond);

void BM_BareDomParse(benchmark::State& state) {
    const Catalogues& catalogues = GetCatalogues();
    BareParse(state, catalogues.plainBytes);
    for (auto _ : state) {
        BareParse(state, catalogues.plainBytes);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(catalogues.plainBytes.size()));
    SetPeakCounter(state, PeakMegabytesOf([&] { BareParse(state, catalogues.plainBytes); }));
}
BENCHMARK(BM_BareDomParse)->Unit(benchmark::kMillisecond);

void BM_LoadTexturedCatalogue(benchmark::State& state) {
    const host::FileLocation file = GetCatalogues().CatalogueFile("textured");
    Load(state, file, texturedColours);
    for (auto _ : state) {
        Load(state, file, texturedColours);
    }
    const std::optional<double> loadPeak = PeakMegabytesOf([&] { Load(state, file, texturedColours); });
    const std::optional<double> decodePeak = PeakMegabytesOf([&] { ReadAndDecodeTextures(state); });
    SetPeakCounter(state, loadPeak);
    if (loadPeak && decodePeak) {
        state.counters["x_decode_peak"] = *loadPeak / *decodePeak;
    }
    state.counters["x_decode"] = MedianRatio(
        5, [&] { Load(state, file, texturedColours); }, [&] { ReadAndDecodeTextures(state); });
}
BENCHMARK(BM_LoadTexturedCatalogue)->Unit(benchmark::kMillisecond);

void BM_ReadAndDecodeTextures(benchmark::State& state) {
    ReadAndDecodeTextures(state);
    for (auto _ : state) {
        ReadAndDecodeTextures(state);
    }
    SetPeakCounter(state, PeakMegabytesOf([&] { ReadAndDecodeTextures(state); }));
}
BENCHMARK(BM_ReadAndDecodeTextures)->Unit(benchmark::kMillisecond);

} // namespace
