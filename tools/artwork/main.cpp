// tn_artwork <folder>: draws the add-on's images into <folder>: banner.bmp, logo.ico, app.ico and
// spectrum.bmp.
#include "Banner.h"
#include "Bitmap.h"
#include "Icon.h"
#include "Logo.h"
#include "Spectrum.h"

#include <cairo.h>
#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <fstream>
#include <pango/pangocairo.h>
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
    // Let the font caches go, so that leak checkers see only what the drawing itself kept.
    pango_cairo_font_map_set_default(nullptr);
    cairo_debug_reset_static_data();
    FcFini();
    return written ? 0 : 1;
}
