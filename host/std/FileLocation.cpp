#include "host/FileLocation.h"

#include "host/std/PathSyntax.h"

#include <vector>

namespace host {

namespace {

namespace syntax = pathsyntax;

// The components of `path` after its root, "." and ".." resolved as paths resolve them: ".." takes
// away the component before it, and at the root stays at the root.
std::vector<std::string_view> NormalComponents(std::string_view path, bool rooted) {
    std::vector<std::string_view> components;
    std::size_t at = 0;
    while (at < path.size()) {
        std::size_t end = at;
        while (end < path.size() && !syntax::IsSeparator(path[end])) {
            ++end;
        }
        const std::string_view component = path.substr(at, end - at);
        if (component == "..") {
            if (!components.empty() && components.back() != "..") {
                components.pop_back();
            } else if (!rooted) {
                components.push_back(component);
            }
        } else if (!component.empty() && component != ".") {
            components.push_back(component);
        }
        at = end + 1;
    }
    return components;
}

// The path lexically normal: the root written with the platform's separator, no "." or ".."
// components that can be resolved, single separators and none at the end. A relative path that
// resolves to nothing is ".".
std::string Normalise(std::string_view path) {
    const std::size_t rootLength = syntax::RootLength(path);
    std::string normal(path.substr(0, rootLength));
    for (char& c : normal) {
        if (syntax::IsSeparator(c)) {
            c = syntax::PreferredSeparator();
        }
    }
    const auto components = NormalComponents(path.substr(rootLength), rootLength > 0);
    // A root either ends in its separator or leaves the first component to follow it directly.
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (i > 0) {
            normal += syntax::PreferredSeparator();
        }
        normal += components[i];
    }
    return normal.empty() ? "." : normal;
}

// Where the last component starts; the path's length when it has none after its root.
std::size_t LastComponentStart(const std::string& path) {
    const std::size_t rootLength = syntax::RootLength(path);
    std::size_t start = path.size();
    while (start > rootLength && !syntax::IsSeparator(path[start - 1])) {
        --start;
    }
    return start;
}

// The last component when it is a real name, so that removing it leaves the enclosing folder.
std::string_view RemovableName(const std::string& path) {
    const std::string_view name = std::string_view(path).substr(LastComponentStart(path));
    return name == "." || name == ".." ? std::string_view() : name;
}

} // namespace

FileLocation::FileLocation(std::string_view path) : path(path.empty() ? std::string() : Normalise(path)) {}

bool FileLocation::IsValid() const {
    return syntax::IsAbsolute(path);
}

Result FileLocation::AppendName(const UniString& name) {
    const std::string& text = name.ToStdString();
    if (!syntax::IsSingleName(text)) {
        return FileErrBadName;
    }
    if (path.empty()) {
        return FileErrNoLocation;
    }
    if (text == "." || text == "..") {
        path = Normalise(path + syntax::PreferredSeparator() + text);
    } else {
        if (!syntax::IsSeparator(path.back())) {
            path += syntax::PreferredSeparator();
        }
        path += text;
    }
    return NoError;
}

Result FileLocation::RemoveLastName() {
    if (path.empty()) {
        return FileErrNoLocation;
    }
    if (RemovableName(path).empty()) {
        return FileErrNoName;
    }
    std::size_t end = LastComponentStart(path);
    const std::size_t rootLength = syntax::RootLength(path);
    while (end > rootLength && syntax::IsSeparator(path[end - 1])) {
        --end;
    }
    if (end == 0) {
        path.assign(1, '.');
    } else {
        path.resize(end);
    }
    return NoError;
}

Result FileLocation::GetLastLocalName(UniString& name) const {
    if (path.empty()) {
        return FileErrNoLocation;
    }
    const std::string_view last = RemovableName(path);
    if (last.empty()) {
        return FileErrNoName;
    }
    name.Assign(last);
    return NoError;
}

Result FileLocation::GetPathString(UniString& pathString) const {
    if (path.empty()) {
        return FileErrNoLocation;
    }
    pathString.Assign(path);
    return NoError;
}

} // namespace host
