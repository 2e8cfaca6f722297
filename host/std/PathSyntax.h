#pragma once

#include <cstddef>
#include <string_view>

// How the platform writes file paths; each platform backend defines these. The file library's
// locations are built on them.
namespace host::pathsyntax {

// The separator paths are written with.
char PreferredSeparator();
bool IsSeparator(char c);
// How many leading bytes of `path` are its root ("/" here; "C:\" or "\\server\share\" on
// Windows); 0 for a path relative to the working folder. A root that still depends on the working
// folder (a drive without a separator) counts but does not make the path absolute.
std::size_t RootLength(std::string_view path);
bool IsAbsolute(std::string_view path);
// Whether `name` can be one component of a path: not empty, and free of separators, NUL and
// whatever else would make it reach outside its folder.
bool IsSingleName(std::string_view name);

} // namespace host::pathsyntax
