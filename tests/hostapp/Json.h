#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A JSON value read back from the host's report and state files.
class JsonValue {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string string;
    std::vector<JsonValue> items;  // array elements, or object values
    std::vector<std::string> keys; // object keys, one per value

    bool IsNull() const { return kind == Kind::Null; }
    bool Has(std::string_view key) const;
    // The member `key` of an object, element `index` of an array; null when there is none.
    const JsonValue& operator[](std::string_view key) const;
    const JsonValue& operator[](std::size_t index) const;
    std::size_t Size() const { return items.size(); }
    // The elements of an array of strings (null elements as "null").
    std::vector<std::string> Strings() const;

    friend bool operator==(const JsonValue&, const JsonValue&) = default;
};

// Nothing when `text` is no complete JSON document.
std::optional<JsonValue> ParseJson(std::string_view text);
