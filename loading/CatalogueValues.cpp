#include "loading/CatalogueValues.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace {

bool IsWhiteSpace(char32_t c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Skips leading white space and one sign; answers -1 or 1.
template <typename Char> int TakeSign(std::basic_string_view<Char>& text) {
    while (!text.empty() && IsWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        const int sign = text.front() == '-' ? -1 : 1;
        text.remove_prefix(1);
        return sign;
    }
    return 1;
}

template <typename Char> std::int16_t ParseShortOf(std::basic_string_view<Char> text) {
    const int sign = TakeSign(text);
    std::int32_t magnitude = 0;
    for (const Char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        magnitude = std::min(magnitude * 10 + static_cast<std::int32_t>(c - '0'), 100000);
    }
    return static_cast<std::int16_t>(std::clamp(sign * magnitude, -32768, 32767));
}

template <typename Char> bool ParseFlagOf(std::basic_string_view<Char> text) {
    constexpr std::string_view word = "true";
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        const Char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != word[i]) {
            return false;
        }
    }
    return true;
}

// Writes the UTF-8 form of `code` at `at`; answers the end of what it wrote.
char* WriteUtf8(char* at, char32_t code) {
    if (code < 0x80) {
        *at++ = static_cast<char>(code);
    } else if (code < 0x800) {
        *at++ = static_cast<char>(0xC0 | (code >> 6));
        *at++ = static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *at++ = static_cast<char>(0xE0 | (code >> 12));
        *at++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *at++ = static_cast<char>(0x80 | (code & 0x3F));
    } else {
        *at++ = static_cast<char>(0xF0 | (code >> 18));
        *at++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        *at++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *at++ = static_cast<char>(0x80 | (code & 0x3F));
    }
    return at;
}

std::size_t Utf8Length(char32_t code) {
    return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

} // namespace

std::string ToUtf8(std::u16string_view text, std::size_t limit) {
    // Measured first, then written into a string of the exact length, so that short values need no
    // heap memory and long ones one allocation.
    const auto forEachCode = [&](auto&& take) {
        std::size_t length = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            char32_t code = text[i];
            if (code >= 0xD800 && code <= 0xDFFF) {
                if (code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
                    code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                    ++i;
                } else {
                    code = 0xFFFD;
                }
            }
            const std::size_t bytes = Utf8Length(code);
            if (length + bytes > limit) {
                break;
            }
            length += bytes;
            take(code);
        }
        return length;
    };
    std::string out(forEachCode([](char32_t) {}), '\0');
    char* at = out.data();
    forEachCode([&](char32_t code) { at = WriteUtf8(at, code); });
    return out;
}

std::int16_t ParseShort(std::string_view text) {
    return ParseShortOf(text);
}

// A value longer than MaxValueLength bytes is cut; only ASCII characters can take part in a number,
// and each is one byte, so the first MaxValueLength characters decide.
std::int16_t ParseShort(std::u16string_view text) {
    return ParseShortOf(text.substr(0, MaxValueLength));
}

float ParseFraction(std::string_view text) {
    const int sign = TakeSign(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        return 0.0f;
    }
    float value = 0.0f;
    const std::from_chars_result read = std::from_chars(text.data(), text.data() + text.size(), value);
    return read.ec == std::errc() ? sign * value : 0.0f;
}

bool ParseFlag(std::string_view text) {
    return ParseFlagOf(text);
}

bool ParseFlag(std::u16string_view text) {
    return ParseFlagOf(text);
}
