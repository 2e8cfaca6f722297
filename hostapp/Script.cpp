#include "hostapp/Script.h"

#include <charconv>
#include <optional>
#include <sstream>
#include <string_view>

namespace {

enum class Scope { Host, Dialog };
enum class Argument { Text, Number };

struct CommandShape {
    std::string_view name;
    Scope scope;
    std::vector<Argument> arguments;
};

const std::vector<CommandShape>& Shapes() {
    using enum Argument;
    static const std::vector<CommandShape> shapes = {
        {"menu", Scope::Host, {}},
        {"release", Scope::Host, {}},
        {"unload", Scope::Host, {}},
        {"mode", Scope::Dialog, {Text}},
        {"surface", Scope::Dialog, {Text}},
        {"product", Scope::Dialog, {Text}},
        {"chip", Scope::Dialog, {Number}},
        {"doubleclick chip", Scope::Dialog, {Number}},
        {"slot", Scope::Dialog, {Number}},
        {"nearest", Scope::Dialog, {Number}},
        {"mixed", Scope::Dialog, {}},
        {"add", Scope::Dialog, {}},
        {"remove", Scope::Dialog, {}},
        {"export", Scope::Dialog, {}},
        {"weblink", Scope::Dialog, {}},
        {"chips", Scope::Dialog, {}},
        {"picker", Scope::Dialog, {}},
        {"close", Scope::Dialog, {}},
        {"cancel", Scope::Dialog, {}},
        {"pick", Scope::Dialog, {Number, Number}},
        {"drag", Scope::Dialog, {Number, Number, Number, Number, Number}},
        {"hover", Scope::Dialog, {Number, Number}},
        {"screenshot", Scope::Dialog, {Text}},
        {"state", Scope::Dialog, {Text}},
    };
    return shapes;
}

const CommandShape* FindShape(std::string_view name) {
    for (const CommandShape& shape : Shapes()) {
        if (shape.name == name) {
            return &shape;
        }
    }
    return nullptr;
}

// Splits a line into words; quoted words keep their blanks. Nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitWords(std::string_view line, std::string& problem) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) {
            ++i;
        }
        if (i == line.size() || line[i] == '#') {
            return words;
        }
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                    word += line[i + 1];
                    i += 2;
                } else if (line[i] == '"') {
                    ++i;
                    closed = true;
                    break;
                } else {
                    word += line[i++];
                }
            }
            if (!closed) {
                problem = "a quoted text is not closed";
                return std::nullopt;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
                word += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
}

std::optional<int> ParseNumber(const std::string& word) {
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || error != std::errc() || stop != end || value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return value;
}

std::string Usage(const CommandShape& shape) {
    std::string usage(shape.name);
    for (const Argument argument : shape.arguments) {
        usage += argument == Argument::Text ? " TEXT" : " N";
    }
    return usage;
}

} // namespace

std::variant<Script, ScriptError> ParseScript(const std::string& text) {
    Script script;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    int openedAt = 0; // the line of the "menu" whose dialog is open, 0 when none is
    while (std::getline(lines, line)) {
        ++number;
        std::string problem;
        auto words = SplitWords(line, problem);
        if (!words) {
            return ScriptError{number, problem};
        }
        if (words->empty()) {
            continue;
        }
        ScriptCommand command;
        command.line = number;
        std::size_t first = 1;
        command.name = (*words)[0];
        if (command.name == "doubleclick" && words->size() > 1 && (*words)[1] == "chip") {
            command.name = "doubleclick chip";
            first = 2;
        }
        const CommandShape* shape = FindShape(command.name);
        if (shape == nullptr) {
            return ScriptError{number, "unknown command \"" + command.name + "\""};
        }
        if (words->size() - first != shape->arguments.size()) {
            return ScriptError{number, "usage: " + Usage(*shape)};
        }
        for (std::size_t k = 0; k < shape->arguments.size(); ++k) {
            const std::string& word = (*words)[first + k];
            if (shape->arguments[k] == Argument::Text) {
                command.text.push_back(word);
            } else if (const auto value = ParseNumber(word)) {
                command.numbers.push_back(*value);
            } else {
                return ScriptError{number, "\"" + word + "\" is no whole number from -32768 to 32767"};
            }
        }
        if (shape->scope == Scope::Dialog && openedAt == 0) {
            return ScriptError{number,
                               "\"" + command.name + "\" needs the open dialog (choose \"menu\" first)"};
        }
        if (shape->scope == Scope::Host && openedAt != 0) {
            return ScriptError{number, "\"" + command.name + "\" cannot be done while the dialog of line " +
                                           std::to_string(openedAt) + " is open"};
        }
        if (command.name == "menu") {
            openedAt = number;
        } else if (command.name == "close" || command.name == "cancel") {
            openedAt = 0;
        }
        script.commands.push_back(std::move(command));
    }
    if (openedAt != 0) {
        return ScriptError{openedAt, "the dialog opened here is never closed (\"close\" or \"cancel\")"};
    }
    return script;
}

std::vector<std::string> ScriptCommandNames() {
    std::vector<std::string> names;
    for (const CommandShape& shape : Shapes()) {
        names.emplace_back(shape.name);
    }
    return names;
}
