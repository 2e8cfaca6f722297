// The export of five chosen colours with 2048 × 2048 JPEG textures (read, decode, wash, 24-bit BMP
// written into the texture folder), against decoding and writing the same five files with stb alone.
// The goal is at most 1.5 times the time of stb alone; the ratio is printed after the runs. Counter
// x_stb: the median ratio of the export's processor time to stb's, the two measured in alternation
// so that both meet the same machine.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <stb_image.h>
#include <stb_image_write.h>

#include "addon/HostServices.h"
#include "catalogue/ColorEntity.h"
#include "catalogue/TNData.h"
#include "export/MaterialExport.h"
#include "host/AlertBox.h"
#include "loading/ModuleLocation.h"
#include "support/ThreadClock.h"
#include "support/UniqueFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr int TextureSide = 2048;
constexpr int TextureCount = 5;

host::addon::HostResult IgnoreCreateAttribute(void*, void*, void*) {
    return 0;
}

// A data folder with five textures, and a store whose chosen list holds one colour for each.
class ExportScene {
public:
    ExportScene() : folder(testsupport::MakeUniqueFolder("tn-bench-")) {
        fs::create_directory(folder / "Tarnova anyagok");
        fs::create_directory(folder / "stb");
        textureLibraryFolder = host::FileLocation((folder / "Tarnova anyagok").string());

        std::vector<std::byte> table(host::addon::ServiceTableSize);
        host::addon::CreateAttributeFn create = &IgnoreCreateAttribute;
        std::memcpy(table.data() + host::addon::CreateAttributeSlot, &create, sizeof create);
        AdoptHostServiceTable(table.data());
        host::SetAlertResponder([](const host::AlertRequest&) { return std::int16_t(1); });

        for (int i = 0; i < TextureCount; ++i) {
            const fs::path texture = folder / ("texture" + std::to_string(i) + ".jpg");
            WriteTexture(texture, i);
            textures.push_back(texture);
            colours.push_back(std::make_unique<ColorEntity>(
                "Belső", "Fal", "Színes", "", "Fal", "Szín " + std::to_string(i), std::int16_t(40 * i), 120,
                200, host::FileLocation(texture.string()), false, "", -1, -1, -1, false, false));
            store.SetChosenColour(std::uint32_t(i), colours.back().get());
        }
    }
    ~ExportScene() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    fs::path folder;
    std::vector<fs::path> textures;
    std::vector<std::unique_ptr<ColorEntity>> colours;
    TNData store;

private:
    // A photograph-like texture: smooth gradients with fine grain, so that the JPEG is of a usual size.
    static void WriteTexture(const fs::path& path, int seed) {
        std::vector<std::uint8_t> rgb(std::size_t(TextureSide) * TextureSide * 3);
        std::uint32_t noise = 2463534242u + std::uint32_t(seed);
        for (int y = 0; y < TextureSide; ++y) {
            for (int x = 0; x < TextureSide; ++x) {
                noise ^= noise << 13;
                noise ^= noise >> 17;
                noise ^= noise << 5;
                std::uint8_t* p = rgb.data() + (std::size_t(y) * TextureSide + x) * 3;
                const int grain = int(noise & 15);
                p[0] = std::uint8_t((x / 8 + seed * 30 + grain) & 255);
                p[1] = std::uint8_t((y / 8 + grain) & 255);
                p[2] = std::uint8_t(((x + y) / 16 + grain) & 255);
            }
        }
        stbi_write_jpg(path.string().c_str(), TextureSide, TextureSide, 3, rgb.data(), 90);
    }
};

ExportScene& Scene() {
    static ExportScene scene;
    return scene;
}

void StbDecodeAndWriteFive(const ExportScene& scene) {
    for (const fs::path& texture : scene.textures) {
        int width = 0;
        int height = 0;
        int channels = 0;
        unsigned char* pixels = stbi_load(texture.string().c_str(), &width, &height, &channels, 3);
        const fs::path out = scene.folder / "stb" / (texture.filename().string() + ".bmp");
        benchmark::DoNotOptimize(stbi_write_bmp(out.string().c_str(), width, height, 3, pixels));
        stbi_image_free(pixels);
    }
}

void BM_ExportFiveTextures(benchmark::State& state) {
    ExportScene& scene = Scene();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExportChosenColours(scene.store));
    }
    std::vector<double> ratios;
    for (int i = 0; i < 5; ++i) {
        double start = benchsupport::ThreadSeconds();
        StbDecodeAndWriteFive(scene);
        const double stb = benchsupport::ThreadSeconds() - start;
        start = benchsupport::ThreadSeconds();
        benchmark::DoNotOptimize(ExportChosenColours(scene.store));
        ratios.push_back((benchsupport::ThreadSeconds() - start) / stb);
    }
    std::sort(ratios.begin(), ratios.end());
    state.counters["x_stb"] = ratios[ratios.size() / 2];
}

void BM_StbDecodeAndWriteFive(benchmark::State& state) {
    ExportScene& scene = Scene();
    for (auto _ : state) {
        StbDecodeAndWriteFive(scene);
    }
}

BENCHMARK(BM_ExportFiveTextures)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StbDecodeAndWriteFive)->Unit(benchmark::kMillisecond)->UseRealTime();

// Prints as usual and keeps each benchmark's time per iteration for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                times[run.run_name.function_name] = run.real_accumulated_time / double(run.iterations);
            }
        }
    }

    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto exportTime = reporter.times.find("BM_ExportFiveTextures");
    const auto stbTime = reporter.times.find("BM_StbDecodeAndWriteFive");
    if (exportTime != reporter.times.end() && stbTime != reporter.times.end() && stbTime->second > 0) {
        std::printf("export / stb alone: %.2f (goal at most 1.5)\n", exportTime->second / stbTime->second);
    }
    benchmark::Shutdown();
    return 0;
}
