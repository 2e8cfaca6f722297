#include "DecimalComma.h"

#include <clocale>
#include <string>

bool UseDecimalCommaLocale(const testsupport::TempFolder&) {
    return std::setlocale(LC_NUMERIC, "Hungarian_Hungary.1250") != nullptr &&
           std::string(std::localeconv()->decimal_point) == ",";
}
