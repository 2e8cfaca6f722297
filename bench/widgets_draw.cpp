// The colour widgets at work: (a) one full redraw of the dialog's chip grid, 346 x 202 pixels with 60
// chips of textured colours washed with their solid colour; (b) one pick while dragging over the
// spectrum, from the mouse-move notification through the store's work and notification to the
// picker's redraw: in view mode 1 on a product of 10,000 colours (the nearest-colour search), and in
// view mode 2 on a mixing base with 500 tinting colours, without a texture and with a 2048 x 2048
// JPEG one (the mixed colour made anew each pick). Both run on the dialog toolkit (under Xvfb
// without a display) and draw the update into an off-screen window.

#include "catalogue/TNData.h"
#include "catalogue/TNDataEventObserver.h"
#include "host/Bitmap.h"
#include "host/DialogTemplate.h"
#include "host/ModalDialog.h"
#include "host/OffscreenContext.h"
#include "host/Resources.h"
#include "host/Toolkit.h"
#include "loading/ModuleLocation.h"
#include "tools/catgen/JpegEncoding.h"
#include "widgets/AddOnResourceModule.h"
#include "widgets/ArrayChipItemBase.h"
#include "widgets/ChipItem.h"
#include "widgets/ColorPickerItem.h"
#include "widgets/SingleChipItemBase.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A 24-bit BMP of a diagonal pattern in shades of one colour.
std::string PatternBmp(int side, int shade) {
    const int rowSize = (side * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = std::uint32_t(rowSize) * side;
    std::string out;
    auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(char(value >> (8 * i) & 0xFF));
        }
    };
    out += "BM";
    put(54 + pixelBytes, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(std::uint32_t(side), 4);
    put(std::uint32_t(side), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(pixelBytes, 4);
    put(3780, 4);
    put(3780, 4);
    put(0, 8);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int v = (x + y) * 255 / (2 * side);
            put(std::uint32_t(v), 1);
            put(std::uint32_t((v + shade) & 0xFF), 1);
            put(std::uint32_t(255 - v), 1);
        }
        put(0, rowSize - side * 3);
    }
    return out;
}

// A JPEG of a diagonal pattern, the way textures ship.
std::string PatternJpeg(int side) {
    std::vector<std::uint8_t> rgb(std::size_t(side) * std::size_t(side) * 3);
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        const std::size_t pixel = i / 3;
        rgb[i] = std::uint8_t((pixel % std::size_t(side) + pixel / std::size_t(side)) * (i % 3 + 1));
    }
    const std::vector<std::uint8_t> jpeg = EncodeJpeg(rgb, side);
    return std::string(jpeg.begin(), jpeg.end());
}

// Writes a catalogue of one product into a fresh folder and loads the library's store from it.
// Texture files named ".bmp" get a BMP pattern, ".jpg" a JPEG one.
// The files stay until the program ends: records that read their texture again must find it.
void LoadStore(const std::string& colours, const std::vector<std::string>& textures, int textureSide,
               const std::string& auxiliaryColours = "") {
    static const struct DataFolder {
        fs::path path = fs::temp_directory_path() / ("tn-bench-widgets-" + std::to_string(getpid()));
        ~DataFolder() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
    } dataFolder;
    const fs::path& folder = dataFolder.path;
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (std::size_t i = 0; i < textures.size(); ++i) {
        std::ofstream(folder / textures[i], std::ios::binary)
            << (textures[i].ends_with(".jpg") ? PatternJpeg(textureSide) : PatternBmp(textureSide, int(i) * 40));
    }
    std::ofstream(folder / "colours.xml", std::ios::binary)
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<catalogue><colours>" << colours
        << "</colours><auxiliaryColours>" << auxiliaryColours << "</auxiliaryColours></catalogue>\n";
    SetModulePath((folder / "libtarnova.so").string());
    GetTNData().ReleaseCatalogue();
    const host::Result result = GetTNData().Load();
    if (result != 0) {
        throw std::runtime_error("the catalogue did not load");
    }
}

std::string Colour(int i, const std::string& texture, bool wheel, bool mixingBase = false) {
    return "<colour mode=\"M\" surface=\"S\" name=\"N\" description=\"\" structure=\"T\" colourName=\"c" +
           std::to_string(i) + "\" red=\"" + std::to_string(i * 37 % 256) + "\" green=\"" +
           std::to_string(i * 91 % 256) + "\" blue=\"" + std::to_string(i * 13 % 256) + "\" texture=\"" +
           texture + "\" wheel=\"" + (wheel ? "true" : "false") +
           "\" remarks=\"\" ared=\"-1\" agreen=\"-1\" ablue=\"-1\" auxiliaryColourTable=\"" +
           (mixingBase ? "true" : "false") + "\"/>";
}

std::string TintingColour(int i) {
    return "<colour colourName=\"t" + std::to_string(i) + "\" red=\"" + std::to_string(i * 53 % 256) +
           "\" green=\"" + std::to_string(i * 29 % 256) + "\" blue=\"" + std::to_string(i * 71 % 256) + "\"/>";
}

// A dialog with one user item of the given size, where the widgets live.
struct Dialog {
    Dialog(std::int16_t width, std::int16_t height) : dialog(Template(width, height)) {
        itemId = dialog.AppendUserItem(10, 10, width, height);
    }
    static host::DialogTemplate Template(std::int16_t width, std::int16_t height) {
        host::DialogTemplate t;
        t.title = "bench";
        t.width = std::int16_t(width + 20);
        t.height = std::int16_t(height + 20);
        return t;
    }
    host::ModalDialog dialog;
    std::int16_t itemId = 0;
};

bool ToolkitReady(benchmark::State& state) {
    if (!host::InitToolkit()) {
        state.SkipWithError("no display for the dialog toolkit (run under xvfb-run)");
        return false;
    }
    return true;
}

void BM_ChipGridRedraw(benchmark::State& state) {
    if (!ToolkitReady(state)) {
        return;
    }
    const int textureSide = static_cast<int>(state.range(0));
    std::string colours;
    const std::vector<std::string> textures{"a.bmp", "b.bmp", "c.bmp", "d.bmp"};
    for (int i = 0; i < 60; ++i) {
        colours += Colour(i, textures[std::size_t(i) % textures.size()], false);
    }
    LoadStore(colours, textures, textureSide);
    Dialog dialog(346, 202);
    if (dialog.itemId == 0) {
        state.SkipWithError("no dialog");
        return;
    }
    ArrayChipItemBase grid(dialog.dialog, dialog.itemId);
    grid.RefreshChips();
    host::Bitmap window(346 + 20, 202 + 20);
    for (auto _ : state) {
        host::OffscreenContext native(window, 10, 10, 346, 202);
        grid.HandleUpdate({&grid, native.GetNative()});
    }
    state.counters["chip_side"] = grid.GetChips().front()->GetRect().GetWidth();
}
// Texture side: tiled 8 x 8 per chip, 2 x 2, and drawn once cut.
BENCHMARK(BM_ChipGridRedraw)
    ->Arg(4)
    ->Arg(16)
    ->Arg(128)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Counts the store's proposals, as the dialog would hear them.
class ProposalCounter : public TNDataEventObserver {
public:
    void PickedColoursChanged() override { ++proposals; }
    int proposals = 0;
};

// Drags over the spectrum in view mode `view`, one pixel a step along its diagonal, with the
// picker redrawn after each step as the dialog would, and in the mixing view the mixed colour's
// chip showing the new colour.
void DragOverSpectrum(benchmark::State& state, int view) {
    for (int i = 0; i < 2 && GetTNData().GetViewMode() != view; ++i) {
        GetTNData().ToggleViewMode(false);
    }
    if (GetTNData().GetViewMode() != view) {
        state.SkipWithError("the product does not offer the view");
        return;
    }
    addOnResourceModule = host::RegisterResourceModule(nullptr);
    Dialog dialog(249, 202);
    ColorPickerItem picker(dialog.dialog, dialog.itemId, 32620);
    if (picker.GetSpectrumRect().IsEmpty()) {
        state.SkipWithError("the add-on's resources are not linked into this program");
        return;
    }
    const std::int16_t mixedChipId = dialog.dialog.AppendUserItem(10, 10, 80, 187);
    SingleChipItemBase mixedChip(dialog.dialog, mixedChipId, ChipRoleMixed, 0);
    mixedChip.Show();
    ProposalCounter counter;
    GetTNData().GetEventSource().Attach(counter);
    host::Bitmap window(249 + 20, 202 + 20);
    const host::Rect spectrum = picker.GetSpectrumRect();
    int step = 0;
    for (auto _ : state) {
        const int along = step++ % spectrum.GetHeight();
        const host::Point point{
            std::int16_t(spectrum.GetLeft() + along * spectrum.GetWidth() / spectrum.GetHeight()),
            std::int16_t(spectrum.GetTop() + along)};
        picker.UserItemMouseMoved({&picker, point, true});
        host::OffscreenContext native(window, 10, 10, 249, 202);
        picker.HandleUpdate({&picker, native.GetNative()});
        if (view == ViewModeMixing) {
            mixedChip.GetChip()->SetColour(GetTNData().GetMixedColour());
            host::OffscreenContext chipNative(window, 10, 10, 80, 187);
            mixedChip.HandleUpdate({&mixedChip, chipNative.GetNative()});
        }
    }
    if (counter.proposals != step) {
        state.SkipWithError("a pick did not reach the store");
    }
    GetTNData().GetEventSource().Detach(counter);
    host::RemoveResourceModule(addOnResourceModule);
    addOnResourceModule = host::NoResourceModule;
}

void BM_PickWhileDragging(benchmark::State& state) {
    if (!ToolkitReady(state)) {
        return;
    }
    std::string colours;
    for (int i = 0; i < 10000; ++i) {
        colours += Colour(i, "", true);
    }
    LoadStore(colours, {}, 0);
    DragOverSpectrum(state, ViewModeWheel);
}
BENCHMARK(BM_PickWhileDragging)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Argument: the side of the mixing base's JPEG texture, 0 for none.
void BM_PickWhileMixing(benchmark::State& state) {
    if (!ToolkitReady(state)) {
        return;
    }
    const int textureSide = static_cast<int>(state.range(0));
    const std::string texture = textureSide > 0 ? "base.jpg" : "";
    std::string tinting;
    for (int i = 0; i < 500; ++i) {
        tinting += TintingColour(i);
    }
    LoadStore(Colour(0, texture, false, true) + Colour(1, "", false), textureSide > 0 ? std::vector{texture} : std::vector<std::string>{},
              textureSide, tinting);
    DragOverSpectrum(state, ViewModeMixing);
}
BENCHMARK(BM_PickWhileMixing)->Arg(0)->Arg(2048)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
