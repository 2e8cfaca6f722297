#pragma once

#include "host/Result.h"
#include "host/UniString.h"

#include <string>
#include <string_view>

namespace host {

// A location in the file system of the file library: a path held as UTF-8 text, or nothing.
// Paths are written as the platform writes them and kept lexically normal: "." and ".." are
// resolved as paths resolve them, repeated and trailing separators are dropped ("/a/./b/../c/" is
// "/a/c").
class FileLocation {
public:
    FileLocation() = default;
    explicit FileLocation(std::string_view path);

    bool IsEmpty() const { return path.empty(); }
    // An absolute path: one that denotes the same place whatever the working folder.
    bool IsValid() const;
    void Clear() { path.clear(); }

    // Adds one name below the location. An empty name, or one the platform cannot take as a single
    // component (one holding "/" or a NUL, and on Windows "\" or ":"), is refused with
    // FileErrBadName; the location is then unchanged. "." and ".." resolve as paths do.
    Result AppendName(const UniString& name);
    // Goes to the enclosing folder; FileErrNoName at the root, and for a relative path that
    // names no folder of its own ("." or "..").
    Result RemoveLastName();
    // The last component; FileErrNoName where RemoveLastName would refuse.
    Result GetLastLocalName(UniString& name) const;
    // The full path; FileErrNoLocation for an empty location.
    Result GetPathString(UniString& pathString) const;

    friend bool operator==(const FileLocation&, const FileLocation&) = default;

private:
    std::string path;
};

} // namespace host
