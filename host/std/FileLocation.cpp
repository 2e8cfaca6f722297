#include "host/FileLocation.h"

#include <filesystem>

namespace host {

namespace {

std::string Normalise(const std::filesystem::path& path) {
    std::string normal = path.lexically_normal().string();
    if (normal.size() > 1 && normal.back() == '/') {
        normal.pop_back();
    }
    return normal;
}

// The last component when it is a real name, so that removing it leaves the enclosing folder.
bool HasRemovableName(const std::string& path) {
    const std::filesystem::path p(path);
    return p.has_filename() && p.filename() != "." && p.filename() != "..";
}

} // namespace

FileLocation::FileLocation(std::string_view path) : path(path.empty() ? std::string() : Normalise(path)) {}

Result FileLocation::AppendName(const UniString& name) {
    const std::string& text = name.ToStdString();
    if (text.empty() || text.find_first_of(std::string_view("/\0", 2)) != std::string::npos) {
        return FileErrBadName;
    }
    if (path.empty()) {
        return FileErrNoLocation;
    }
    if (text == "." || text == "..") {
        path = Normalise(std::filesystem::path(path) / text);
    } else {
        if (path.back() != '/') {
            path += '/';
        }
        path += text;
    }
    return NoError;
}

Result FileLocation::RemoveLastName() {
    if (path.empty()) {
        return FileErrNoLocation;
    }
    if (!HasRemovableName(path)) {
        return FileErrNoName;
    }
    const std::string parent = std::filesystem::path(path).parent_path().string();
    path = parent.empty() ? "." : parent;
    return NoError;
}

Result FileLocation::GetLastLocalName(UniString& name) const {
    if (path.empty()) {
        return FileErrNoLocation;
    }
    if (!HasRemovableName(path)) {
        return FileErrNoName;
    }
    name.Assign(std::filesystem::path(path).filename().string());
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
