// addon-host: a stand-in for the CAD host that loads one add-on and serves it.

#include "host/Toolkit.h"
#include "host/Windows.h"
#include "hostapp/AddOnHost.h"
#include "hostapp/CommandLine.h"
#include "hostapp/MainWindow.h"
#include "hostapp/PlatformRecorder.h"
#include "hostapp/Report.h"
#include "hostapp/ScriptRunner.h"
#include "hostapp/TextFile.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace {

constexpr int ScriptFailed = 1;
constexpr int CannotStart = 2;

// The add-on built together with this program.
std::string DefaultAddOnPath() {
    char path[4096] = {};
    host::GetModuleFileNameA(nullptr, path, sizeof path);
    return (std::filesystem::path(path).parent_path() / TN_DEFAULT_ADDON).lexically_normal().string();
}

void PrintSummary(const HostJournal& journal) {
    std::cout << "add-on: " << journal.name << " (" << journal.libraryPath << ")\n"
              << "materials: " << journal.materials.size()
              << ", library folders: " << journal.libraryFolders.size()
              << ", dialog runs: " << journal.dialogRuns.size() << ", alerts: " << journal.alerts.size()
              << "\n";
}

// Loads the add-on and serves it: through a script, through the main window, or, without a
// display, only through its start-up and shut-down. Answers the program's exit status.
int Serve(const HostOptions& options, const std::optional<Script>& script, HostJournal& journal) {
    const bool display = host::InitToolkit();
    if (display && script) {
        // Screenshots taken right after an action show where it ends, not a transition on its way.
        host::EnableAnimations(false);
    }
    const PlatformRecorder recorder(journal, script.has_value() || !display);
    AddOnHost host(journal);
    std::string error;
    if (!host.Start(options.addOnPath.empty() ? DefaultAddOnPath() : options.addOnPath, error)) {
        std::cerr << "addon-host: " << error << "\n";
        return CannotStart;
    }
    int status = 0;
    if (script) {
        ScriptRunner runner(host, journal);
        if (!runner.Run(*script, error)) {
            std::cerr << "addon-host: " << *options.scriptPath << ": " << error << "\n";
            status = ScriptFailed;
        }
    } else if (display) {
        MainWindow window(host, journal);
        window.Run();
    } else {
        std::cout << "no display: the add-on's menu cannot be chosen\n";
    }
    host.Quit();
    return status;
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = ParseHostCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        std::cerr << "addon-host: " << *problem << "\n" << hostUsage;
        return CannotStart;
    }
    const HostOptions& options = std::get<HostOptions>(parsed);
    if (options.help) {
        std::cout << hostUsage;
        return 0;
    }

    std::optional<Script> script;
    if (options.scriptPath) {
        std::string text;
        if (!ReadTextFile(*options.scriptPath, text)) {
            std::cerr << "addon-host: cannot read the script " << *options.scriptPath << "\n";
            return CannotStart;
        }
        auto parsedScript = ParseScript(text);
        if (const auto* problem = std::get_if<ScriptError>(&parsedScript)) {
            std::cerr << "addon-host: " << *options.scriptPath << ": line " << problem->line << ": "
                      << problem->message << "\n";
            return ScriptFailed;
        }
        script = std::move(std::get<Script>(parsedScript));
    }

    HostJournal journal;
    int status = Serve(options, script, journal);
    PrintSummary(journal);
    if (options.reportPath && !WriteTextFile(*options.reportPath, FormatReport(journal))) {
        std::cerr << "addon-host: cannot write the report " << *options.reportPath << "\n";
        status = status != 0 ? status : CannotStart;
    }
    return status;
}
