// docs/addon-host.md lists exactly the commands the host's scripts have.

#include "HostRun.h"

#include "hostapp/Script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The command names in the first column of the table under "## Script commands": the lower-case
// words of the backquoted command, without the argument placeholders that follow them.
std::vector<std::string> DocumentedCommands(const std::string& document) {
    std::vector<std::string> names;
    std::istringstream lines(document);
    std::string line;
    bool inSection = false;
    while (std::getline(lines, line)) {
        if (line.starts_with("## ")) {
            inSection = line == "## Script commands";
            continue;
        }
        if (!inSection || !line.starts_with("|")) {
            continue;
        }
        const std::string cell = line.substr(1, line.find('|', 1) - 1);
        const std::size_t open = cell.find('`');
        const std::size_t close = open == std::string::npos ? open : cell.find('`', open + 1);
        if (close == std::string::npos) {
            continue; // the header and the separator
        }
        std::istringstream words(cell.substr(open + 1, close - open - 1));
        std::string name;
        std::string word;
        while (words >> word && std::ranges::all_of(word, [](char c) { return c >= 'a' && c <= 'z'; })) {
            name += (name.empty() ? "" : " ") + word;
        }
        names.push_back(name);
    }
    return names;
}

TEST(DocumentationTest, ScriptCommandTableNamesEveryCommandOfTheScripts) {
    const std::string document = ReadFile(std::filesystem::path(TN_SOURCE_DIR) / "docs" / "addon-host.md");
    ASSERT_FALSE(document.empty()) << "docs/addon-host.md cannot be read";
    const std::vector<std::string> documented = DocumentedCommands(document);
    ASSERT_FALSE(documented.empty()) << "docs/addon-host.md has no table under \"## Script commands\"";
    const std::vector<std::string> commands = ScriptCommandNames();

    for (const std::string& command : commands) {
        EXPECT_EQ(std::ranges::count(documented, command), 1)
            << "docs/addon-host.md should document \"" << command << "\" once";
    }
    for (const std::string& name : documented) {
        EXPECT_NE(std::ranges::find(commands, name), commands.end())
            << "docs/addon-host.md documents \"" << name << "\", which scripts do not have";
    }
}

} // namespace
