#pragma once

#include "tools/catgen/CatalogueGenerator.h"

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

// What tncatgen was asked to do.
struct CatgenCommand {
    enum class Kind { Sample, Synthetic };
    Kind kind = Kind::Sample;
    std::filesystem::path folder;
    SyntheticOptions options;
};

// The command for the program's arguments (without the program name), or what is wrong with them.
std::variant<CatgenCommand, std::string> ParseCommandLine(const std::vector<std::string>& arguments);

extern const char* const catgenUsage;
