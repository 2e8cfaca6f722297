#include "catalogue/ImageFileTypes.h"

#include "host/FileTypes.h"

#include <algorithm>

std::int32_t bmpFileType = 0;
std::int32_t jpegFileType = 0;

void LookUpImageFileTypes() {
    bmpFileType = std::max(host::LookUpFileType("image/x-bmp"), std::int32_t(0));
    jpegFileType = std::max(host::LookUpFileType("image/jpeg"), std::int32_t(0));
}
