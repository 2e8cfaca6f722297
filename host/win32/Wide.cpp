#include "host/win32/Wide.h"

#include <climits>

namespace host {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(length > 0 ? length : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    return wide;
}

std::string Narrow(std::wstring_view wide, UINT codePage) {
    if (wide.empty() || wide.size() > INT_MAX) {
        return {};
    }
    // Characters the code page lacks become '?'; UTF-8 lacks none.
    const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), nullptr, 0, fallback, nullptr);
    std::string narrow(std::size_t(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), narrow.data(), length, fallback, nullptr);
    return narrow;
}

HMODULE ModuleOf(const void* instance) {
    if (instance == nullptr) {
        return GetModuleHandleW(nullptr);
    }
    HMODULE module = nullptr;
    const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    return GetModuleHandleExW(flags, static_cast<LPCWSTR>(instance), &module) ? module : nullptr;
}

} // namespace host
