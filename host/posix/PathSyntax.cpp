#include "host/std/PathSyntax.h"

namespace host::pathsyntax {

char PreferredSeparator() {
    return '/';
}

bool IsSeparator(char c) {
    return c == '/';
}

std::size_t RootLength(std::string_view path) {
    return !path.empty() && path.front() == '/' ? 1 : 0;
}

bool IsAbsolute(std::string_view path) {
    return RootLength(path) > 0;
}

bool IsSingleName(std::string_view name) {
    return !name.empty() && name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

} // namespace host::pathsyntax
