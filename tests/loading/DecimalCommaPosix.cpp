#include "DecimalComma.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

// Compiled into the temporary folder when the system has no such locale.
bool UseDecimalCommaLocale(const testsupport::TempFolder& folder) {
    if (std::setlocale(LC_NUMERIC, "hu_HU.UTF-8") == nullptr) {
        const std::string compile = "localedef -i hu_HU -f UTF-8 '" +
                                    (folder.GetPath() / "hu_HU.UTF-8").string() + "' >/dev/null 2>&1";
        if (std::system(compile.c_str()) != 0 && !std::filesystem::exists(folder.GetPath() / "hu_HU.UTF-8")) {
            return false;
        }
        ::setenv("LOCPATH", folder.GetPath().c_str(), 1);
        const bool switched = std::setlocale(LC_NUMERIC, "hu_HU.UTF-8") != nullptr;
        ::unsetenv("LOCPATH");
        if (!switched) {
            return false;
        }
    }
    return std::string(std::localeconv()->decimal_point) == ",";
}

