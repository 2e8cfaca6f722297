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
#include "support/UniqueFolder.h"
#include "tools/catgen/CatalogueGenerator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Heap bytes in use through operator new, and the most in use since the last ResetPeak.
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};
constexpr std::size_t sizeHeader = alignof(std::max_align_t);

void* CountedAllocate(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + sizeHeader));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::size_t live = liveBytes += size;
    std::size_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return block + sizeHeader;
}

void CountedFree(void* memory) {
    if (memory != nullptr) {
        auto* block = static_cast<unsigned char*>(memory) - sizeHeader;
        liveBytes -= *reinterpret_cast<std::size_t*>(block);
        std::free(block);
    }
}

} // namespace

void* operator new(std::size_t size) {
    return CountedAllocate(size);
}
void* operator new[](std::size_t size) {
    return CountedAllocate(size);
}
void operator delete(void* memory) noexcept {
    CountedFree(memory);
}
void operator delete[](void* memory) noexcept {
    CountedFree(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    CountedFree(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    CountedFree(memory);
}

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

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

template <typename Work> double SecondsOf(Work&& work) {
    const double start = ThreadSeconds();
    work();
    return ThreadSeconds() - start;
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

template <typename Work> double PeakMegabytesOf(Work&& work) {
    const std::size_t before = liveBytes.load();
    peakBytes = before;
    work();
    return double(peakBytes.load() - before) / (1024.0 * 1024.0);
}

void BM_LoadPlainCatalogue(benchmark::State& state) {
    const Catalogues& catalogues = GetCatalogues();
    const host::FileLocation file = catalogues.CatalogueFile("plain");
    Load(state, file, plainColours);
    for (auto _ : state) {
        Load(state, file, plainColours);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(catalogues.plainBytes.size()));
    state.counters["peak_MB"] = PeakMegabytesOf([&] { Load(state, file, plainColours); });
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
    state.counters["peak_MB"] = PeakMegabytesOf([&] { BareParse(state, catalogues.plainBytes); });
}
BENCHMARK(BM_BareDomParse)->Unit(benchmark::kMillisecond);

void BM_LoadTexturedCatalogue(benchmark::State& state) {
    const host::FileLocation file = GetCatalogues().CatalogueFile("textured");
    Load(state, file, texturedColours);
    for (auto _ : state) {
        Load(state, file, texturedColours);
    }
    const double loadPeak = PeakMegabytesOf([&] { Load(state, file, texturedColours); });
    const double decodePeak = PeakMegabytesOf([&] { ReadAndDecodeTextures(state); });
    state.counters["peak_MB"] = loadPeak;
    state.counters["x_decode_peak"] = loadPeak / decodePeak;
    state.counters["x_decode"] = MedianRatio(
        5, [&] { Load(state, file, texturedColours); }, [&] { ReadAndDecodeTextures(state); });
}
BENCHMARK(BM_LoadTexturedCatalogue)->Unit(benchmark::kMillisecond);

void BM_ReadAndDecodeTextures(benchmark::State& state) {
    ReadAndDecodeTextures(state);
    for (auto _ : state) {
        ReadAndDecodeTextures(state);
    }
    state.counters["peak_MB"] = PeakMegabytesOf([&] { ReadAndDecodeTextures(state); });
}
BENCHMARK(BM_ReadAndDecodeTextures)->Unit(benchmark::kMillisecond);

} // namespace
