#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// One command of a host script, as a person at the host would give it.
struct ScriptCommand {
    int line = 0;
    std::string name;              // "doubleclick chip" for the two-word command
    std::vector<std::string> text; // text arguments (popup items, file names)
    std::vector<int> numbers;      // number arguments, in order
};

// A script: host commands, and after each "menu" the commands for the dialog it opens, up to and
// including the "close" or "cancel" that ends it.
struct Script {
    std::vector<ScriptCommand> commands;
};

struct ScriptError {
    int line = 0;
    std::string message;
};

// Reads a script: one command a line, "#" starts a comment, arguments are separated by blanks and
// a text argument may be quoted with double quotes (\" and \\ inside quotes stand for " and \).
// Every line is checked before anything runs: its command, its arguments and whether it belongs
// inside or outside the dialog.
std::variant<Script, ScriptError> ParseScript(const std::string& text);

// The names of every command a script may give, in the order the host knows them.
std::vector<std::string> ScriptCommandNames();
