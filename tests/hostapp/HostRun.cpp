#include "HostRun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

extern char** environ;

namespace {

const std::filesystem::path hostProgram = std::filesystem::path(TN_BINARY_DIR) / "hostapp" / "addon-host";
const std::filesystem::path builtAddOn = std::filesystem::path(TN_BINARY_DIR) / "addon" / TN_ADDON_FILE;

} // namespace

AddOnFolder::AddOnFolder() {
    std::filesystem::copy_file(builtAddOn, GetLibrary());
}

AddOnFolder::AddOnFolder(const std::string& catalogueXml) : AddOnFolder() {
    if (!catalogueXml.empty()) {
        folder.Write("colours.xml", catalogueXml);
    }
}

AddOnFolder::AddOnFolder(SampleCatalogue) : AddOnFolder() {
    std::filesystem::copy(std::filesystem::path(TN_BINARY_DIR) / "sample", GetPath(),
                          std::filesystem::copy_options::recursive);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

JsonValue HostRun::ReadJson(const std::string& name) const {
    const auto value = ParseJson(ReadFile(workFolder / name));
    EXPECT_TRUE(value.has_value()) << name << " is no JSON document";
    return value.value_or(JsonValue{});
}

HostRun RunHost(const AddOnFolder& addOn, const std::string& script, const testsupport::TempFolder& work) {
    HostRun run;
    run.workFolder = work.GetPath();
    work.Write("test.script", script);
    const std::filesystem::path report = work.GetPath() / "report.json";
    const std::filesystem::path output = work.GetPath() / "output.txt";

    const std::string program = hostProgram.string();
    const std::string library = addOn.GetLibrary().string();
    const std::string reportPath = report.string();
    std::vector<std::string> arguments = {"timeout",     "60",       program,    "--script",
                                          "test.script", "--report", reportPath, library};
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, run.workFolder.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, "timeout", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0);
    if (spawned != 0) {
        return run;
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = ReadFile(output);
    if (std::filesystem::exists(report)) {
        const auto parsed = ParseJson(ReadFile(report));
        EXPECT_TRUE(parsed.has_value()) << "the report is no JSON document";
        run.report = parsed.value_or(JsonValue{});
    }
    return run;
}
