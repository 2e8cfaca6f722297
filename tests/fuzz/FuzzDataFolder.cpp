#include "FuzzDataFolder.h"

#include "support/UniqueFolder.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace fuzzing {

namespace {

class DataFolder {
public:
    DataFolder() {
        path = testsupport::MakeUniqueFolder("tn-fuzz-");
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
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes), std::streamsize(size));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

} // namespace fuzzing
