#include "HostProcess.h"

#include <windows.h>

#include <psapi.h>

#include "support/WindowsCommandLine.h"

namespace benchsupport {

ProcessRun RunProcess(const std::vector<std::string>& arguments, const std::filesystem::path& workFolder) {
    std::wstring commandLine;
    for (const std::string& argument : arguments) {
        commandLine += (commandLine.empty() ? L"" : L" ") + testsupport::QuotedArgument(testsupport::WideArgument(argument));
    }
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING,
                             0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = nul;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    ProcessRun run;
    const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        workFolder.c_str(), &startup, &process);
    CloseHandle(nul);
    if (!started) {
        return run;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    // Wine answers zeros for a process that has ended.
    if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters) && counters.PeakWorkingSetSize > 0) {
        run.peakMegabytes = double(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.ok = exitCode == 0;
    return run;
}

bool HasDisplay() {
    return true;
}

} // namespace benchsupport
