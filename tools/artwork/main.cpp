// tn_artwork <folder>: draws the add-on's images into <folder>: banner.bmp, logo.ico, app.ico and
// spectrum.bmp.
#include "Banner.h"
#include "Bitmap.h"
#include "Icon.h"
#include "Logo.h"
#include "Spectrum.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out)
        std::fprintf(stderr, "tn_artwork: cannot write %s\n", path.c_str());
    return bool(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tn_artwork <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool written = Write(folder + "/banner.bmp", EncodeBmp24(RenderBanner(355, 74))) &&
                         Write(folder + "/logo.ico", EncodeIcon(RenderLogo(64), 8)) &&
                         Write(folder + "/app.ico", EncodeIcon(RenderLogo(32), 24)) &&
                         Write(folder + "/spectrum.bmp", EncodeBmp24(RenderSpectrum(175, 187)));
    // The font caches stay until the process ends: tearing them down here (cairo's static reset)
    // aborts whenever pango still holds a font face, and pango finishes its fontconfig set-up in a
    // thread of its own. The leak checker is told about them instead.
    return written ? 0 : 1;
}
