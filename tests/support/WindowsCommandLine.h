#pragma once

#include <filesystem>
#include <string>

// Command lines for CreateProcessW, shared by the tests and the benchmarks.
namespace testsupport {

// One argument of a command line, quoted as the C runtime splits command lines again.
inline std::wstring QuotedArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t character : argument) {
        if (character == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped; elsewhere they stand.
        quoted.append(character == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += character;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

inline std::wstring WideArgument(const std::string& utf8) {
    return std::filesystem::u8path(utf8).wstring();
}

} // namespace testsupport
