// Start-up of the host with the add-on, as a user meets it: from starting addon-host to the colour
// chooser fully drawn, on the sample catalogue and on a generated one of 20,000 colours with 50
// textures, with the host process's peak memory. Goal for the large catalogue: under 1 s and 300 MB.
// Needs a display where the window system does (run under xvfb-run); the programs are the ones
// built beside this benchmark.
#include "support/HostProcess.h"
#include "support/UniqueFolder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// The host's clock for the drawn time in its report.
double MonotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The drawnAt time of the first dialog run in a host report; 0 when there is none.
double DrawnAt(const fs::path& report) {
    std::ifstream file(report);
    std::stringstream text;
    text << file.rdbuf();
    const std::string json = text.str();
    const auto key = json.find("\"drawnAt\": ");
    return key == std::string::npos ? 0.0 : std::strtod(json.c_str() + key + 11, nullptr);
}

// A data folder with the built add-on and a catalogue, made once per benchmark.
class DataFolder {
public:
    explicit DataFolder(const std::string& name)
        : path(testsupport::MakeUniqueFolder("tn-bench-startup-" + name + "-")),
          addon(path / fs::path(TN_ADDON_LIBRARY).filename()) {
        fs::copy_file(TN_ADDON_LIBRARY, addon);
    }
    ~DataFolder() { fs::remove_all(path); }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    fs::path path;
    fs::path addon;
};

void HostStartUp(benchmark::State& state, const DataFolder& data) {
    if (!benchsupport::HasDisplay()) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    const fs::path script = data.path / "open.script";
    std::ofstream(script) << "menu\nclose\n";
    const fs::path report = data.path / "report.json";
    std::optional<double> peak;
    for (auto _ : state) {
        const double started = MonotonicSeconds();
        const benchsupport::ProcessRun run = benchsupport::RunProcess(
            {TN_HOST_PROGRAM, "--script", script.string(), "--report", report.string(), data.addon.string()},
            data.path);
        const double drawn = DrawnAt(report);
        if (!run.ok || drawn <= started) {
            state.SkipWithError("the host did not draw the dialog");
            return;
        }
        state.SetIterationTime(drawn - started);
        if (run.peakMegabytes) {
            peak = std::max(peak.value_or(0.0), *run.peakMegabytes);
        }
    }
    if (peak) {
        state.counters["peak_MB"] = *peak;
    }
}

void SampleCatalogue(benchmark::State& state) {
    static const DataFolder data("sample");
    fs::copy(TN_SAMPLE_DIR, data.path, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    HostStartUp(state, data);
}

void LargeCatalogue(benchmark::State& state) {
    static const DataFolder data("large");
    if (!fs::exists(data.path / "colours.xml") &&
        !benchsupport::RunProcess(
             {TN_CATGEN_PROGRAM, "synthetic", data.path.string(), "--colours", "20000", "--textures", "50"},
             data.path)
             .ok) {
        state.SkipWithError("the catalogue could not be generated");
        return;
    }
    HostStartUp(state, data);
}

} // namespace

BENCHMARK(SampleCatalogue)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(LargeCatalogue)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
