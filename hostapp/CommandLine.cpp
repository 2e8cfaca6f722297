#include "hostapp/CommandLine.h"

const char* const hostUsage =
    "usage: addon-host [--script FILE] [--report FILE] [ADDON]\n"
    "  ADDON          the add-on library to load (default: the one built with the host)\n"
    "  --script FILE  run the commands of FILE with nobody at the screen, then quit\n"
    "  --report FILE  write a JSON report on the add-on when the host ends\n";

std::variant<HostOptions, std::string> ParseHostCommandLine(const std::vector<std::string>& arguments) {
    HostOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--script" || argument == "--report") {
            if (i + 1 == arguments.size()) {
                return argument + " needs a file";
            }
            auto& target = argument == "--script" ? options.scriptPath : options.reportPath;
            if (target) {
                return argument + " is given twice";
            }
            target = arguments[++i];
        } else if (argument.starts_with("--")) {
            return "unknown option " + argument;
        } else if (!options.addOnPath.empty()) {
            return "only one add-on can be loaded";
        } else {
            options.addOnPath = argument;
        }
    }
    return options;
}
