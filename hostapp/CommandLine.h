#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

// What addon-host was asked to do.
struct HostOptions {
    std::string addOnPath; // empty: the add-on built beside the host
    std::optional<std::string> scriptPath;
    std::optional<std::string> reportPath;
    bool help = false;
};

// The options for the program's arguments (without the program name), or what is wrong with them.
std::variant<HostOptions, std::string> ParseHostCommandLine(const std::vector<std::string>& arguments);

extern const char* const hostUsage;
