#include "ToolRun.h"

#include <array>
#include <cstdio>
#include <string>

namespace testsupport {

// The command interpreter takes the tool's path with backslashes; the build gives it with slashes.
ToolOutput RunCatalogueTool(const std::string& arguments) {
    std::string tool = TN_CATALOGUE_TOOL;
    for (char& c : tool) {
        c = c == '/' ? '\\' : c;
    }
    // The command interpreter drops the outermost quotes of a command line that holds several.
    const std::string command = "\"\"" + tool + "\" " + arguments + " 2>&1\"";
    ToolOutput output;
    FILE* pipe = _popen(command.c_str(), "rb");
    if (pipe == nullptr) {
        return output;
    }
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), int(buffer.size()), pipe) != nullptr) {
        output.text += buffer.data();
    }
    output.status = _pclose(pipe);
    std::erase(output.text, '\r');
    return output;
}

std::string ShellQuoted(const std::string& argument) {
    return "\"" + argument + "\"";
}

} // namespace testsupport
