// Start-up of the host with the add-on, as a user meets it: from starting addon-host to the colour
// chooser fully drawn, on the sample catalogue and on a generated one of 20,000 colours with 50
// textures, with the host process's peak memory. Goal for the large catalogue: under 1 s and 300 MB.
// Needs a display (run under xvfb-run); the programs are the ones built beside this benchmark.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path BuildFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}

// The host's clock for the drawn time in its report.
double MonotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

struct ProcessRun {
    bool ok = false;
    double peakMegabytes = 0.0;
};

ProcessRun Run(std::vector<std::string> arguments, const fs::path& workFolder) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, workFolder.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const bool spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ProcessRun run;
    if (!spawned) {
        return run;
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
    return run;
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
        : path(fs::temp_directory_path() / ("tn-bench-startup-" + std::to_string(::getpid()) + "-" + name)) {
        fs::remove_all(path);
        fs::create_directories(path);
        fs::copy_file(BuildFolder() / "addon" / TN_ADDON_FILE, path / TN_ADDON_FILE);
    }
    ~DataFolder() { fs::remove_all(path); }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    fs::path path;
};

void HostStartUp(benchmark::State& state, const DataFolder& data) {
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    const fs::path script = data.path / "open.script";
    std::ofstream(script) << "menu\nclose\n";
    const fs::path report = data.path / "report.json";
    double peak = 0.0;
    for (auto _ : state) {
        const double started = MonotonicSeconds();
        const ProcessRun run =
            Run({(BuildFolder() / "hostapp" / "addon-host").string(), "--script", script.string(), "--report",
                 report.string(), (data.path / TN_ADDON_FILE).string()},
                data.path);
        const double drawn = DrawnAt(report);
        if (!run.ok || drawn <= started) {
            state.SkipWithError("the host did not draw the dialog");
            return;
        }
        state.SetIterationTime(drawn - started);
        peak = std::max(peak, run.peakMegabytes);
    }
    state.counters["peak_MB"] = peak;
}

void SampleCatalogue(benchmark::State& state) {
    static const DataFolder data("sample");
    fs::copy(BuildFolder() / "sample", data.path,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    HostStartUp(state, data);
}

void LargeCatalogue(benchmark::State& state) {
    static const DataFolder data("large");
    if (!fs::exists(data.path / "colours.xml") &&
        !Run({(BuildFolder() / "tools" / "catgen" / "tncatgen").string(), "synthetic", data.path.string(),
              "--colours", "20000", "--textures", "50"},
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
