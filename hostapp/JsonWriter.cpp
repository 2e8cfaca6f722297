#include "hostapp/JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace {

// Length of the valid UTF-8 sequence at the start of `text`, 0 when there is none.
std::size_t ValidSequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return overlong || surrogate || code > 0x10FFFF ? 0 : length;
}

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    while (!text.empty()) {
        const std::size_t length = ValidSequenceLength(text);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            text.remove_prefix(1);
            continue;
        }
        const char c = text[0];
        if (length > 1) {
            out.append(text.substr(0, length));
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
        text.remove_prefix(length);
    }
    out += '"';
}

} // namespace

void JsonWriter::NewLine() {
    text += '\n';
    text.append(levelHasValues.size() * 2, ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey) {
        afterKey = false;
        return;
    }
    if (!levelHasValues.empty()) {
        if (levelHasValues.back()) {
            text += ',';
        }
        levelHasValues.back() = true;
        NewLine();
    }
}

JsonWriter& JsonWriter::BeginObject() {
    BeforeValue();
    text += '{';
    levelHasValues.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    BeforeValue();
    text += '[';
    levelHasValues.push_back(false);
    return *this;
}

void JsonWriter::Close(char bracket) {
    const bool hadValues = !levelHasValues.empty() && levelHasValues.back();
    if (!levelHasValues.empty()) {
        levelHasValues.pop_back();
    }
    if (hadValues) {
        NewLine();
    }
    text += bracket;
    if (levelHasValues.empty()) {
        text += '\n';
    }
}

JsonWriter& JsonWriter::EndObject() {
    Close('}');
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    Close(']');
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    BeforeValue();
    AppendQuoted(text, key);
    text += ": ";
    afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    AppendQuoted(text, utf8);
    return *this;
}

JsonWriter& JsonWriter::StringOrNull(const std::optional<std::string>& utf8) {
    return utf8 ? String(*utf8) : Null();
}

JsonWriter& JsonWriter::Integer(std::int64_t value) {
    BeforeValue();
    text += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Number(double value) {
    if (!std::isfinite(value)) {
        return Null();
    }
    BeforeValue();
    char formatted[32];
    std::snprintf(formatted, sizeof formatted, "%.17g", value);
    text += formatted;
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    text += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    text += "null";
    return *this;
}

JsonWriter& JsonWriter::StringArray(const std::vector<std::string>& utf8) {
    BeginArray();
    for (const std::string& item : utf8) {
        String(item);
    }
    return EndArray();
}

std::string JsonWriter::GetText() const {
    return text;
}
