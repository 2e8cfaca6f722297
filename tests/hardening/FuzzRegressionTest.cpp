#include "FuzzInputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Every input the fuzz targets once failed on, and every seed they start from, goes through the
// same paths again in every build.
struct FuzzFile {
    std::string target; // "catalogue" or "texture"
    fs::path path;
};

std::vector<FuzzFile> FuzzFiles() {
    const fs::path root = fs::path(TN_SOURCE_DIR) / "tests/fuzz";
    std::vector<FuzzFile> files;
    for (const char* target : {"catalogue", "texture"}) {
        for (const char* kind : {"regressions", "corpus"}) {
            const fs::path folder = root / kind / target;
            if (!fs::is_directory(folder)) {
                continue;
            }
            for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
                if (entry.is_regular_file()) {
                    files.push_back({target, entry.path()});
                }
            }
        }
    }
    std::sort(files.begin(), files.end(),
              [](const FuzzFile& a, const FuzzFile& b) { return a.path < b.path; });
    return files;
}

std::vector<std::uint8_t> Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzInput : public ::testing::TestWithParam<FuzzFile> {};

TEST_P(FuzzInput, KeepsEveryRule) {
    const std::vector<std::uint8_t> bytes = Contents(GetParam().path);
    const std::string problem = GetParam().target == "catalogue"
                                    ? fuzzing::LoadCatalogue(bytes.data(), bytes.size())
                                    : fuzzing::DecodeTexture(bytes.data(), bytes.size());
    EXPECT_EQ(problem, "") << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Files, FuzzInput, ::testing::ValuesIn(FuzzFiles()), [](const auto& info) {
    const fs::path& path = info.param.path;
    std::string name = info.param.target + "_" + path.parent_path().parent_path().filename().string() + "_" +
                       path.filename().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
});

} // namespace
