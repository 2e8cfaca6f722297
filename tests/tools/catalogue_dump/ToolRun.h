#pragma once

#include <string>

namespace testsupport {

struct ToolOutput {
    int status = -1;
    std::string text;
};

// Runs the built tncatalogue with `arguments` (already quoted for the shell) and keeps what it
// printed on both streams, lines ending in a line feed.
ToolOutput RunCatalogueTool(const std::string& arguments);

// One argument quoted for the shell that runs the tool.
std::string ShellQuoted(const std::string& argument);

} // namespace testsupport
