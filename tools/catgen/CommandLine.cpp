#include "tools/catgen/CommandLine.h"

#include <charconv>
#include <limits>
#include <optional>

const char* const catgenUsage =
    "usage: tncatgen sample FOLDER\n"
    "       tncatgen synthetic FOLDER [--colours N] [--textures M] [--texture-size S]\n"
    "                [--product-size P] [--products-per-surface Q] [--surfaces-per-mode R]\n"
    "                [--auxiliary-colours A] [--seed X] [--wheel] [--mixing-base]\n";

namespace {

std::optional<long long> ParseInteger(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// Every numeric option with the field it sets.
struct NumericOption {
    const char* name;
    int SyntheticOptions::*field;
};

constexpr NumericOption numericOptions[] = {
    {"--colours", &SyntheticOptions::colours},
    {"--textures", &SyntheticOptions::textures},
    {"--texture-size", &SyntheticOptions::textureSize},
    {"--product-size", &SyntheticOptions::productSize},
    {"--products-per-surface", &SyntheticOptions::productsPerSurface},
    {"--surfaces-per-mode", &SyntheticOptions::surfacesPerMode},
    {"--auxiliary-colours", &SyntheticOptions::auxiliaryColours},
};

std::optional<std::string> SetOption(SyntheticOptions& options, const std::string& name,
                                     const std::string* value) {
    if (name == "--wheel") {
        options.wheel = true;
        return std::nullopt;
    }
    if (name == "--mixing-base") {
        options.mixingBase = true;
        return std::nullopt;
    }
    const bool isSeed = name == "--seed";
    const NumericOption* numeric = nullptr;
    for (const NumericOption& option : numericOptions)
        if (name == option.name)
            numeric = &option;
    if (!isSeed && numeric == nullptr)
        return "unknown option " + name;
    if (value == nullptr)
        return name + " needs a value";
    const std::optional<long long> number = ParseInteger(*value);
    if (isSeed) {
        if (!number || *number < 0 || *number > std::numeric_limits<std::uint32_t>::max())
            return "--seed needs a number from 0 to 4294967295, not " + *value;
        options.seed = static_cast<std::uint32_t>(*number);
        return std::nullopt;
    }
    if (!number || *number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
        return name + " needs a whole number, not " + *value;
    options.*(numeric->field) = static_cast<int>(*number);
    return std::nullopt;
}

} // namespace

std::variant<CatgenCommand, std::string> ParseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2)
        return std::string("a command and a folder are needed");
    CatgenCommand command;
    command.folder = arguments[1];
    if (arguments[0] == "sample") {
        if (arguments.size() > 2)
            return "sample takes no options: " + arguments[2];
        return command;
    }
    if (arguments[0] != "synthetic")
        return "unknown command " + arguments[0];
    command.kind = CatgenCommand::Kind::Synthetic;
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        const bool takesValue = name != "--wheel" && name != "--mixing-base";
        const std::string* value = takesValue && i + 1 < arguments.size() ? &arguments[i + 1] : nullptr;
        if (std::optional<std::string> problem = SetOption(command.options, name, value))
            return *problem;
        if (takesValue)
            ++i;
    }
    if (std::string problem = CheckSyntheticOptions(command.options); !problem.empty())
        return problem;
    return command;
}
