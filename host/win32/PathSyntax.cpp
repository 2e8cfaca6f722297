#include "host/std/PathSyntax.h"

namespace host::pathsyntax {

namespace {

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The end of the component that starts at `from`.
std::size_t ComponentEnd(std::string_view path, std::size_t from) {
    while (from < path.size() && !IsSeparator(path[from])) {
        ++from;
    }
    return from;
}

} // namespace

char PreferredSeparator() {
    return '\\';
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

std::size_t RootLength(std::string_view path) {
    // "\\server\share\": a network share, with the separator after it.
    if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2])) {
        const std::size_t server = ComponentEnd(path, 2);
        if (server + 1 < path.size()) {
            const std::size_t share = ComponentEnd(path, server + 1);
            if (share > server + 1) {
                return share < path.size() ? share + 1 : share;
            }
        }
        return 0;
    }
    // "C:\" absolute, "C:" the working folder of drive C.
    if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':') {
        return path.size() > 2 && IsSeparator(path[2]) ? 3 : 2;
    }
    // "\" the root of the working folder's drive.
    return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

bool IsAbsolute(std::string_view path) {
    const std::size_t root = RootLength(path);
    return root > 0 && (root > 2 || (path.size() > 1 && IsSeparator(path[0]) && IsSeparator(path[1])));
}

bool IsSingleName(std::string_view name) {
    // A ":" would name a drive or a file's alternate data stream.
    return !name.empty() && name.find_first_of(std::string_view("/\\:\0", 4)) == std::string_view::npos;
}

} // namespace host::pathsyntax
