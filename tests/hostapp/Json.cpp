#include "Json.h"

#include <charconv>
#include <cstdint>

namespace {

const JsonValue nullValue;

class Reader {
public:
    explicit Reader(std::string_view text) : text(text) {}

    bool ReadDocument(JsonValue& value) {
        if (!ReadValue(value)) {
            return false;
        }
        SkipBlanks();
        return at == text.size();
    }

private:
    void SkipBlanks() {
        while (at < text.size() &&
               (text[at] == ' ' || text[at] == '\n' || text[at] == '\r' || text[at] == '\t')) {
            ++at;
        }
    }

    bool Take(char c) {
        SkipBlanks();
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }

    bool TakeWord(std::string_view word) {
        if (text.substr(at, word.size()) == word) {
            at += word.size();
            return true;
        }
        return false;
    }

    static void AppendUtf8(std::string& out, std::uint32_t code) {
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xF0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3F));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }

    bool ReadHex(std::uint32_t& code) {
        if (at + 4 > text.size()) {
            return false;
        }
        const auto [stop, error] = std::from_chars(text.data() + at, text.data() + at + 4, code, 16);
        at += 4;
        return error == std::errc() && stop == text.data() + at;
    }

    bool ReadString(std::string& out) {
        if (!Take('"')) {
            return false;
        }
        while (at < text.size()) {
            const char c = text[at++];
            if (c == '"') {
                return true;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at == text.size()) {
                return false;
            }
            const char escaped = text[at++];
            const std::string_view simple = "\"\\/bfnrt";
            const std::string_view meaning = "\"\\/\b\f\n\r\t";
            if (const auto k = simple.find(escaped); k != std::string_view::npos) {
                out += meaning[k];
            } else if (escaped == 'u') {
                std::uint32_t code = 0;
                if (!ReadHex(code)) {
                    return false;
                }
                if (code >= 0xD800 && code < 0xDC00) {
                    std::uint32_t low = 0;
                    if (!TakeWord("\\u") || !ReadHex(low) || low < 0xDC00 || low > 0xDFFF) {
                        return false;
                    }
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
                AppendUtf8(out, code);
            } else {
                return false;
            }
        }
        return false;
    }

    bool ReadValue(JsonValue& value) {
        SkipBlanks();
        if (at == text.size()) {
            return false;
        }
        const char c = text[at];
        if (c == '{') {
            ++at;
            value.kind = JsonValue::Kind::Object;
            if (Take('}')) {
                return true;
            }
            do {
                std::string key;
                JsonValue member;
                SkipBlanks();
                if (!ReadString(key) || !Take(':') || !ReadValue(member)) {
                    return false;
                }
                value.keys.push_back(std::move(key));
                value.items.push_back(std::move(member));
            } while (Take(','));
            return Take('}');
        }
        if (c == '[') {
            ++at;
            value.kind = JsonValue::Kind::Array;
            if (Take(']')) {
                return true;
            }
            do {
                JsonValue element;
                if (!ReadValue(element)) {
                    return false;
                }
                value.items.push_back(std::move(element));
            } while (Take(','));
            return Take(']');
        }
        if (c == '"') {
            value.kind = JsonValue::Kind::String;
            return ReadString(value.string);
        }
        if (TakeWord("true") || TakeWord("false")) {
            value.kind = JsonValue::Kind::Bool;
            value.boolean = text[at - 4] == 't';
            return true;
        }
        if (TakeWord("null")) {
            return true;
        }
        const auto [stop, error] = std::from_chars(text.data() + at, text.data() + text.size(), value.number);
        if (error != std::errc()) {
            return false;
        }
        value.kind = JsonValue::Kind::Number;
        at = std::size_t(stop - text.data());
        return true;
    }

    std::string_view text;
    std::size_t at = 0;
};

} // namespace

bool JsonValue::Has(std::string_view key) const {
    for (const std::string& k : keys) {
        if (k == key) {
            return true;
        }
    }
    return false;
}

const JsonValue& JsonValue::operator[](std::string_view key) const {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == key) {
            return items[i];
        }
    }
    return nullValue;
}

const JsonValue& JsonValue::operator[](std::size_t index) const {
    return kind == Kind::Array && index < items.size() ? items[index] : nullValue;
}

std::vector<std::string> JsonValue::Strings() const {
    std::vector<std::string> strings;
    for (const JsonValue& item : items) {
        strings.push_back(item.IsNull() ? "null" : item.string);
    }
    return strings;
}

std::optional<JsonValue> ParseJson(std::string_view text) {
    JsonValue value;
    if (!Reader(text).ReadDocument(value)) {
        return std::nullopt;
    }
    return value;
}
