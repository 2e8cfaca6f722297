#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

namespace testsupport {

// A new, empty folder below the system's temporary folder, named `prefix` and a random part.
inline std::filesystem::path MakeUniqueFolder(const std::string& prefix) {
    static std::mt19937_64 numbers{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / (prefix + std::to_string(numbers() % 1000000000000ull));
        std::error_code error;
        if (std::filesystem::create_directory(folder, error)) {
            return folder;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

} // namespace testsupport
