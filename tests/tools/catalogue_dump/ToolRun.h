#pragma once

#include <string>

namespace testsupport {

struct ToolOutput {
    int status = -1;
    std::string text;
};

// Runs the built tncatalogue with `arguments` (already quoted for the shell) and keeps what it
// printed on both streams.
ToolOutput RunCatalogueTool(const std::string& arguments);

} // namespace testsupport
