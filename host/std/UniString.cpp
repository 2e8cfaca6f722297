#include "host/UniString.h"

#include <algorithm>
#include <cstdio>

namespace host {

namespace {
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

UniString& UniString::Assign(std::string_view utf8) {
    text.assign(utf8);
    return *this;
}

UniString UniString::Format(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    UniString result = FormatV(format, args);
    va_end(args);
    return result;
}

UniString UniString::FormatV(const char* format, std::va_list args) {
    std::va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed <= 0) {
        return {};
    }
    std::string out(static_cast<std::size_t>(needed), '\0');
    std::vsnprintf(out.data(), out.size() + 1, format, args);
    return UniString(std::move(out));
}

bool UniString::IsEqualIgnoringCase(std::string_view other) const {
    return text.size() == other.size() &&
           std::equal(text.begin(), text.end(), other.begin(),
                      [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

std::size_t UniString::FindFirstOf(std::string_view chars, std::size_t from) const {
    return text.find_first_of(chars, from);
}

UniString UniString::GetSubstring(std::size_t from, std::size_t count) const {
    if (from >= text.size()) {
        return {};
    }
    return UniString(text.substr(from, count));
}

void UniString::Erase(std::size_t from, std::size_t count) {
    if (from < text.size()) {
        text.erase(from, count);
    }
}

UniString& UniString::Append(const UniString& other) {
    text += other.text;
    return *this;
}

UniString& UniString::Append(std::string_view utf8) {
    text += utf8;
    return *this;
}

}  // namespace host
