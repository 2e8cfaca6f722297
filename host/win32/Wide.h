#pragma once

#include <string>
#include <string_view>

#include <windows.h>

namespace host {

// UTF-8 inside, UTF-16 for the Windows API: conversions at the border.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide, UINT codePage = CP_UTF8);

// The module that holds the address `instance` (null: the program), without taking a reference
// to it; null when no module holds it.
HMODULE ModuleOf(const void* instance);

} // namespace host
