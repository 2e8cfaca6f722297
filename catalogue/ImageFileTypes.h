#pragma once

#include <cstdint>

// The file library's file types for BMP and JPEG images; 0 until LookUpImageFileTypes has run, and
// 0 when the file library does not know the type.
extern std::int32_t bmpFileType;
extern std::int32_t jpegFileType;

void LookUpImageFileTypes();
