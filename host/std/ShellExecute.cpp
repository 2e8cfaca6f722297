#include "host/Windows.h"

#include "host/std/SystemShellOpen.h"

#include <string>
#include <utility>

namespace host {
namespace {

constexpr std::intptr_t shellOpened = 42;
constexpr std::intptr_t shellFileNotFound = 2;
constexpr std::intptr_t shellNoAssociation = 31;

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

ShellOpenHandler handler;

} // namespace

std::intptr_t ShellExecuteA(void* owner, const char* verb, const char* file, const char*, const char*,
                            int showCommand) {
    if (verb && !EqualIgnoringAsciiCase(verb, "open"))
        return shellNoAssociation;
    if (file == nullptr || *file == '\0')
        return shellFileNotFound;
    if (!handler)
        return SystemShellOpen(owner, file, showCommand);
    // A copy, so that the handler may replace itself.
    const ShellOpenHandler open = handler;
    return open(file) ? shellOpened : shellNoAssociation;
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler newHandler) {
    return std::exchange(handler, std::move(newHandler));
}

} // namespace host
