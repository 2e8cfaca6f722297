#pragma once

#include "host/FileLocation.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// Paths and their UTF-8 text, the form file locations take, whatever the system's own form.
std::filesystem::path Utf8Path(std::string_view utf8);
std::string Utf8String(const std::filesystem::path& path);

// A fresh folder below the system's temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& GetPath() const { return path; }
    host::FileLocation GetLocation() const { return host::FileLocation(Utf8String(path)); }
    // The location of `relative` inside the folder.
    host::FileLocation GetLocation(const std::string& relative) const;

    // Writes a file at `relative`, creating the folders on the way; answers its path.
    std::filesystem::path Write(const std::string& relative, std::string_view bytes) const;
    std::filesystem::path Write(const std::string& relative, const std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path path;
};

} // namespace testsupport
