#include "Icon.h"

#include "Bitmap.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

namespace {

using Palette = std::vector<Pixel>;

bool IsOpaque(const Pixel& p) {
    return p.alpha >= 128;
}

// Popularity quantisation: colours are grouped by their top five bits per channel, and the 256
// most frequent groups give the palette their mean colours.
Palette ChoosePalette(const Raster& raster) {
    struct Group {
        std::size_t count = 0;
        std::array<std::size_t, 3> sum{};
    };
    std::map<std::uint32_t, Group> groups;
    for (const Pixel& p : raster.pixels) {
        if (!IsOpaque(p))
            continue;
        Group& g = groups[std::uint32_t(p.red >> 3) << 10 | std::uint32_t(p.green >> 3) << 5 | (p.blue >> 3)];
        ++g.count;
        g.sum[0] += p.red, g.sum[1] += p.green, g.sum[2] += p.blue;
    }
    std::vector<Group> ranked;
    for (const auto& [key, group] : groups)
        ranked.push_back(group);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Group& a, const Group& b) { return a.count > b.count; });
    ranked.resize(std::min<std::size_t>(ranked.size(), 256));
    Palette palette;
    for (const Group& g : ranked) {
        auto mean = [&g](int c) { return std::uint8_t((g.sum[c] + g.count / 2) / g.count); };
        palette.push_back({mean(0), mean(1), mean(2), 255});
    }
    palette.resize(256, Pixel{0, 0, 0, 255});
    return palette;
}

std::uint8_t Nearest(const Palette& palette, const Pixel& p) {
    std::size_t best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = palette[i].red - p.red, dg = palette[i].green - p.green, db = palette[i].blue - p.blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance)
            best = i, bestDistance = distance;
    }
    return std::uint8_t(best);
}

std::uint32_t RowSize(int width, int bitsPerPixel) {
    return (std::uint32_t(width * bitsPerPixel) + 31) / 32 * 4;
}

} // namespace

std::vector<std::uint8_t> EncodeIcon(const Raster& raster, int bitsPerPixel) {
    if ((bitsPerPixel != 8 && bitsPerPixel != 24) || raster.width > 256 || raster.height > 256)
        throw std::invalid_argument("unsupported icon");
    const Palette palette = bitsPerPixel == 8 ? ChoosePalette(raster) : Palette{};
    const std::uint32_t colourRow = RowSize(raster.width, bitsPerPixel);
    const std::uint32_t maskRow = RowSize(raster.width, 1);
    const std::uint32_t imageSize = (colourRow + maskRow) * std::uint32_t(raster.height);
    const std::uint32_t resourceSize = 40 + 4 * std::uint32_t(palette.size()) + imageSize;

    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    out.push_back(std::uint8_t(raster.width & 0xFF));
    out.push_back(std::uint8_t(raster.height & 0xFF));
    out.push_back(0); // colour count: 0 for 256 colours and more
    out.push_back(0);
    Put16(out, 1);
    Put16(out, std::uint32_t(bitsPerPixel));
    Put32(out, resourceSize);
    Put32(out, 22);

    PutInfoHeader(out, raster.width, raster.height * 2, bitsPerPixel, imageSize, 0,
                  std::uint32_t(palette.size()));
    for (const Pixel& p : palette)
        out.insert(out.end(), {p.blue, p.green, p.red, 0});
    for (int y = raster.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < raster.width; ++x) {
            const Pixel& p = raster.At(x, y);
            if (bitsPerPixel == 8)
                out.push_back(IsOpaque(p) ? Nearest(palette, p) : 0);
            else if (IsOpaque(p))
                out.insert(out.end(), {p.blue, p.green, p.red});
            else
                out.insert(out.end(), {0, 0, 0});
        }
        out.resize(rowStart + colourRow);
    }
    for (int y = raster.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskRow);
        for (int x = 0; x < raster.width; ++x) {
            if (!IsOpaque(raster.At(x, y)))
                row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
