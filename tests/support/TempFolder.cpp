#include "support/TempFolder.h"

#include "support/UniqueFolder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace testsupport {

TempFolder::TempFolder() : path(MakeUniqueFolder("tn-test-")) {}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

host::FileLocation TempFolder::GetLocation(const std::string& relative) const {
    return host::FileLocation((path / relative).string());
}

std::filesystem::path TempFolder::Write(const std::string& relative, std::string_view bytes) const {
    const std::filesystem::path file = path / relative;
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
