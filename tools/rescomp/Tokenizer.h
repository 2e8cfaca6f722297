#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A mistake in a resource script, with the line it was found on.
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message) {}
};

// The words, numbers and quoted texts of a resource script. '#' starts a comment that runs to the
// end of its line. Quoted texts know the escapes \" \\ \n \t and \xHH.
class Tokenizer {
public:
    enum class Kind { Word, Number, Text, End };
    struct Token {
        Kind kind = Kind::End;
        std::string text; // a word, or a quoted text without its quotes and escapes
        std::int64_t number = 0;
        int line = 0;
    };

    explicit Tokenizer(std::string_view script);

    const Token& Peek() const { return current; }
    Token Next();

    // The next token, which must be of that kind; a ScriptError names `what` otherwise.
    std::string Word(const char* what);
    std::int64_t Number(const char* what, std::int64_t minimum, std::int64_t maximum);
    std::string Text(const char* what);
    bool NextIsWord(std::string_view word) const {
        return current.kind == Kind::Word && current.text == word;
    }

private:
    Token Scan();
    char Escape();

    std::string_view script;
    std::size_t pos = 0;
    int line = 1;
    Token current;
};
