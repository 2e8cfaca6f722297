#include "support/TempFolder.h"

#include "support/UniqueFolder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace testsupport {

std::filesystem::path Utf8Path(std::string_view utf8) {
    return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string Utf8String(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

TempFolder::TempFolder() : path(MakeUniqueFolder("tn-test-")) {}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

host::FileLocation TempFolder::GetLocation(const std::string& relative) const {
    return host::FileLocation(Utf8String(path / Utf8Path(relative)));
}

std::filesystem::path TempFolder::Write(const std::string& relative, std::string_view bytes) const {
    const std::filesystem::path file = path / Utf8Path(relative);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
    return file;
}

std::filesystem::path TempFolder::Write(const std::string& relative,
                                        const std::vector<std::uint8_t>& bytes) const {
    return Write(relative, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace testsupport
