#include "host/Windows.h"

#include <gio/gio.h>
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

bool LaunchWithDesktop(std::string_view address) {
    const std::string uri(address);
    GError* error = nullptr;
    const bool launched = g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &error);
    if (error)
        g_error_free(error);
    return launched;
}

ShellOpenHandler handler;

} // namespace

std::intptr_t ShellExecuteA(void*, const char* verb, const char* file, const char*, const char*, int) {
    if (verb && !EqualIgnoringAsciiCase(verb, "open"))
        return shellNoAssociation;
    if (file == nullptr || *file == '\0')
        return shellFileNotFound;
    // A copy, so that the handler may replace itself.
    const ShellOpenHandler open = handler;
    const bool opened = open ? open(file) : LaunchWithDesktop(file);
    return opened ? shellOpened : shellNoAssociation;
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler newHandler) {
    return std::exchange(handler, std::move(newHandler));
}

} // namespace host
