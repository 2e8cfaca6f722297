#include "Tokenizer.h"

#include <cctype>
#include <charconv>

Tokenizer::Tokenizer(std::string_view script) : script(script) {
    current = Scan();
}

Tokenizer::Token Tokenizer::Next() {
    Token token = current;
    if (token.kind != Kind::End)
        current = Scan();
    return token;
}

std::string Tokenizer::Word(const char* what) {
    if (current.kind != Kind::Word)
        throw ScriptError(current.line, std::string("expected ") + what);
    return Next().text;
}

std::int64_t Tokenizer::Number(const char* what, std::int64_t minimum, std::int64_t maximum) {
    if (current.kind != Kind::Number)
        throw ScriptError(current.line, std::string("expected ") + what);
    if (current.number < minimum || current.number > maximum)
        throw ScriptError(current.line, std::string(what) + " out of range");
    return Next().number;
}

std::string Tokenizer::Text(const char* what) {
    if (current.kind != Kind::Text)
        throw ScriptError(current.line, std::string("expected ") + what + " in quotes");
    return Next().text;
}

char Tokenizer::Escape() {
    if (pos >= script.size())
        throw ScriptError(line, "unfinished text");
    switch (const char c = script[pos++]) {
    case '"':
    case '\\':
        return c;
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'x': {
        unsigned value = 0;
        const auto* start = script.data() + pos;
        const auto [end, error] =
            std::from_chars(start, start + std::min<std::size_t>(2, script.size() - pos), value, 16);
        if (error != std::errc() || end != start + 2)
            throw ScriptError(line, "\\x needs two hex digits");
        pos += 2;
        return char(value);
    }
    default:
        throw ScriptError(line, std::string("unknown escape \\") + c);
    }
}

Tokenizer::Token Tokenizer::Scan() {
    while (pos < script.size()) {
        const char c = script[pos];
        if (c == '\n')
            ++line;
        if (c == '#') {
            while (pos < script.size() && script[pos] != '\n')
                ++pos;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++pos;
        } else {
            break;
        }
    }
    Token token;
    token.line = line;
    if (pos >= script.size())
        return token;

    const char c = script[pos];
    if (c == '"') {
        token.kind = Kind::Text;
        ++pos;
        while (true) {
            if (pos >= script.size() || script[pos] == '\n')
                throw ScriptError(token.line, "unfinished text");
            const char t = script[pos++];
            if (t == '"')
                break;
            token.text += t == '\\' ? Escape() : t;
        }
    } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
        token.kind = Kind::Number;
        const std::size_t start = pos;
        while (pos < script.size() &&
               (std::isalnum(static_cast<unsigned char>(script[pos])) || script[pos] == '-'))
            ++pos;
        token.text = script.substr(start, pos - start);
        std::string_view digits = token.text;
        const bool negative = digits.starts_with('-');
        if (negative)
            digits.remove_prefix(1);
        int base = 10;
        if (digits.starts_with("0x") || digits.starts_with("0X"))
            digits.remove_prefix(2), base = 16;
        std::uint64_t magnitude = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
            magnitude > (std::uint64_t(1) << 40))
            throw ScriptError(line, "bad number " + token.text);
        token.number = negative ? -std::int64_t(magnitude) : std::int64_t(magnitude);
    } else if (std::isalpha(static_cast<unsigned char>(c))) {
        token.kind = Kind::Word;
        const std::size_t start = pos;
        while (pos < script.size() &&
               (std::isalnum(static_cast<unsigned char>(script[pos])) || script[pos] == '_'))
            ++pos;
        token.text = script.substr(start, pos - start);
    } else {
        throw ScriptError(line, std::string("unexpected character '") + c + "'");
    }
    return token;
}
