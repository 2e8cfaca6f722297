#include "support/ProgramRun.h"

#include "support/WindowsCommandLine.h"

#include <windows.h>

namespace testsupport {

int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& workFolder, const std::filesystem::path& outputFile,
               int timeoutSeconds) {
    std::wstring commandLine = QuotedArgument(program.wstring());
    for (const std::string& argument : arguments) {
        commandLine += L" " + QuotedArgument(WideArgument(argument));
    }
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    const HANDLE output = ::CreateFileW(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        return -1;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                          nullptr, workFolder.c_str(), &startup, &process);
    ::CloseHandle(output);
    if (!started) {
        return -1;
    }
    ::CloseHandle(process.hThread);
    DWORD status = DWORD(-1);
    if (::WaitForSingleObject(process.hProcess, DWORD(timeoutSeconds) * 1000) == WAIT_OBJECT_0) {
        ::GetExitCodeProcess(process.hProcess, &status);
    } else {
        ::TerminateProcess(process.hProcess, DWORD(-1));
        ::WaitForSingleObject(process.hProcess, INFINITE);
    }
    ::CloseHandle(process.hProcess);
    return int(status);
}

} // namespace testsupport
