#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>

namespace host {

// A Unicode string of the foundation library. The text is held as UTF-8, so nothing is lost on the
// way in or out; positions and lengths are byte offsets into that UTF-8 text.
class UniString {
public:
    static constexpr std::size_t npos = std::string::npos;

    UniString() = default;
    UniString(const char* utf8) : text(utf8 ? utf8 : "") {}
    UniString(std::string_view utf8) : text(utf8) {}
    UniString(std::string&& utf8) : text(std::move(utf8)) {}

    // Assignment from 8-bit text; the system's 8-bit character set is UTF-8.
    UniString& Assign(std::string_view utf8);

    // printf-style formatting; "%s" takes UTF-8 text (ToCString() of another string).
    static UniString Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
    static UniString FormatV(const char* format, std::va_list args);

    bool IsEmpty() const { return text.empty(); }
    std::size_t GetLength() const { return text.size(); }
    const char* ToCString() const { return text.c_str(); }
    const std::string& ToStdString() const { return text; }

    // Exact comparison, and comparison that ignores the case of ASCII letters.
    bool IsEqual(const UniString& other) const { return text == other.text; }
    bool IsEqualIgnoringCase(std::string_view other) const;

    // Position of the first character that is one of `chars`, or npos.
    std::size_t FindFirstOf(std::string_view chars, std::size_t from = 0) const;
    UniString GetSubstring(std::size_t from, std::size_t count = npos) const;
    void Erase(std::size_t from, std::size_t count = npos);
    UniString& Append(const UniString& other);
    UniString& Append(std::string_view utf8);
    UniString& Append(const char* utf8) { return Append(std::string_view(utf8 ? utf8 : "")); }

    friend UniString operator+(UniString left, const UniString& right) { return left.Append(right); }
    friend bool operator==(const UniString&, const UniString&) = default;
    friend auto operator<=>(const UniString&, const UniString&) = default;

private:
    std::string text;
};

} // namespace host

template <> struct std::hash<host::UniString> {
    std::size_t operator()(const host::UniString& s) const noexcept {
        return std::hash<std::string>{}(s.ToStdString());
    }
};
