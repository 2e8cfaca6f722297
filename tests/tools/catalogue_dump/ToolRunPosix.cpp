#include "ToolRun.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace testsupport {

ToolOutput RunCatalogueTool(const std::string& arguments) {
    const std::string command = std::string(TN_CATALOGUE_TOOL) + " " + arguments + " 2>&1";
    ToolOutput output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        output.text += buffer.data();
    }
    const int status = pclose(pipe);
    output.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

std::string ShellQuoted(const std::string& argument) {
    return "'" + argument + "'";
}

} // namespace testsupport
