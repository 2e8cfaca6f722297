#include "HostProcess.h"

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace benchsupport {

ProcessRun RunProcess(const std::vector<std::string>& arguments, const std::filesystem::path& workFolder) {
    std::vector<std::string> copies = arguments;
    std::vector<char*> argv;
    for (std::string& argument : copies) {
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

bool HasDisplay() {
    return std::getenv("DISPLAY") != nullptr;
}

} // namespace benchsupport
