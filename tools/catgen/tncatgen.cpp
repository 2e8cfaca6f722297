// tncatgen: writes the bundled sample catalogue or a synthetic one for tests and benchmarks.
#include "tools/catgen/CatalogueGenerator.h"
#include "tools/catgen/CommandLine.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const auto parsed = ParseCommandLine(arguments);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        std::cerr << "tncatgen: " << *problem << "\n" << catgenUsage;
        return 2;
    }
    const CatgenCommand& command = std::get<CatgenCommand>(parsed);
    try {
        if (command.kind == CatgenCommand::Kind::Sample)
            WriteSampleCatalogue(command.folder);
        else
            WriteSyntheticCatalogue(command.folder, command.options);
    } catch (const std::exception& e) {
        std::cerr << "tncatgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
