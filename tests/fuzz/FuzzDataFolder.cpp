#include "FuzzDataFolder.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace fuzzing {

namespace {

class DataFolder {
public:
    DataFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tn-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        path = pattern;
        std::filesystem::copy(TN_FUZZ_TEXTURES, path / "textures", std::filesystem::copy_options::recursive);
    }
    ~DataFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    std::filesystem::path path;
};

} // namespace

const std::filesystem::path& GetDataFolder() {
    static const DataFolder folder;
    return folder.path;
}

void WriteDataFile(std::string_view name, const std::uint8_t* bytes, std::size_t size) {
    const std::filesystem::path file = GetDataFolder() / name;
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) {
        throw std::runtime_error("cannot write " + file.string());
    }
    const bool written = size == 0 || std::fwrite(bytes, 1, size, out) == size;
    if (std::fclose(out) != 0 || !written) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

} // namespace fuzzing
