#include "host/Windows.h"

#include <gio/gio.h>
#include <mutex>
#include <optional>
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

// The web address `file` names: http, https and mail addresses as they stand, a bare "www." host
// name as an http address. Anything else (local files, programs, other schemes) is not opened
// from here, whatever text a catalogue carries.
std::optional<std::string> WebAddress(std::string_view file) {
    for (const char c : file) {
        if (std::uint8_t(c) < 0x20 || c == 0x7F)
            return std::nullopt;
    }
    const auto colon = file.find(':');
    if (colon != std::string_view::npos) {
        const std::string_view scheme = file.substr(0, colon);
        const bool web = EqualIgnoringAsciiCase(scheme, "http") || EqualIgnoringAsciiCase(scheme, "https");
        if (web && file.substr(colon).starts_with("://") && file.size() > colon + 3)
            return std::string(file);
        if (EqualIgnoringAsciiCase(scheme, "mailto") && file.size() > colon + 1)
            return std::string(file);
    }
    if (file.size() > 4 && EqualIgnoringAsciiCase(file.substr(0, 4), "www.") &&
        file.find_first_of(":\\") == std::string_view::npos)
        return "http://" + std::string(file);
    return std::nullopt;
}

bool LaunchWithDesktop(std::string_view address) {
    const std::string uri(address);
    GError* error = nullptr;
    const bool launched = g_app_info_launch_default_for_uri(uri.c_str(), nullptr, &error);
    if (error)
        g_error_free(error);
    return launched;
}

std::mutex handlerMutex;
ShellOpenHandler handler;

} // namespace

std::intptr_t ShellExecuteA(void*, const char* verb, const char* file, const char*, const char*, int) {
    if (verb && !EqualIgnoringAsciiCase(verb, "open"))
        return shellNoAssociation;
    const auto address = WebAddress(file ? file : "");
    if (!address)
        return shellFileNotFound;
    ShellOpenHandler open;
    {
        std::lock_guard lock(handlerMutex);
        open = handler;
    }
    const bool opened = open ? open(*address) : LaunchWithDesktop(*address);
    return opened ? shellOpened : shellNoAssociation;
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler newHandler) {
    std::lock_guard lock(handlerMutex);
    return std::exchange(handler, std::move(newHandler));
}

} // namespace host
