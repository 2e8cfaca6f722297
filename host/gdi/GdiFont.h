#pragma once

#include <windows.h>

#include <string>

#include "host/Font.h"

namespace host {

// The font's pixel height: its size in points at 96 pixels per inch.
double FontPixels(double size);

// Whether the size can be used at all: above 0 and at most 1000 points.
bool IsUsableSize(double size);

// A GDI font for the family, size and style, kept for the process's life and shared by every
// measurement of the same font; null for an unusable size.
HFONT GdiFontFor(const std::wstring& family, double size, int style);

// A memory device context for measuring, made once.
HDC MeasuringDc();

} // namespace host
