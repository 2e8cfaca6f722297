#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Writes one JSON document, indented two spaces a level, as its parts are handed in. Strings are
// taken as UTF-8; bytes that are no valid UTF-8 are written as U+FFFD.
class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The key of the next value inside an object.
    JsonWriter& Key(std::string_view key);

    JsonWriter& String(std::string_view utf8);
    JsonWriter& StringOrNull(const std::optional<std::string>& utf8);
    JsonWriter& Integer(std::int64_t value);
    // Finite numbers only; anything else is written as null.
    JsonWriter& Number(double value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    JsonWriter& StringArray(const std::vector<std::string>& utf8);

    // The document so far, ending in a line end once it is complete.
    std::string GetText() const;

private:
    void BeforeValue();
    void Close(char bracket);
    void NewLine();

    std::string text;
    std::vector<bool> levelHasValues;
    bool afterKey = false;
};
