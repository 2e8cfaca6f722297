#include "host/SharedLibrary.h"
#include "host/win32/Wide.h"

#include <cstring>

namespace host {
namespace {

// The system's text for the last error, with the path it concerns.
std::string LastErrorText(const std::string& path) {
    const DWORD code = ::GetLastError();
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length > 0 ? std::wstring(text, length) : L"";
    ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
        message.pop_back();
    }
    return path + ": " + (message.empty() ? "error " + std::to_string(code) : Narrow(message));
}

} // namespace

bool SharedLibrary::Load(const std::string& path, std::string& error) {
    Unload();
    // No box of the system's about a library that cannot be found or loaded: the caller reports it.
    const UINT previousMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    handle = ::LoadLibraryW(Widen(path).c_str());
    ::SetErrorMode(previousMode);
    if (handle == nullptr) {
        error = LastErrorText(path);
        return false;
    }
    return true;
}

void SharedLibrary::Unload() {
    if (handle != nullptr) {
        ::FreeLibrary(static_cast<HMODULE>(handle));
        handle = nullptr;
    }
}

void* SharedLibrary::FindExport(const char* name) const {
    if (handle == nullptr) {
        return nullptr;
    }
    const FARPROC function = ::GetProcAddress(static_cast<HMODULE>(handle), name);
    void* address = nullptr;
    static_assert(sizeof address == sizeof function);
    std::memcpy(&address, &function, sizeof address);
    return address;
}

bool SharedLibrary::IsLoadedAnywhere(const std::string& path) {
    return ::GetModuleHandleW(Widen(path).c_str()) != nullptr;
}

} // namespace host
