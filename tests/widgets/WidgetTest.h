#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/TNData.h"
#include "host/Bitmap.h"
#include "host/Colour.h"
#include "host/DialogDriver.h"
#include "host/DialogTemplate.h"
#include "host/ModalDialog.h"
#include "host/OffscreenContext.h"
#include "host/Toolkit.h"
#include "loading/Palette.h"
#include "support/StoreLoading.h"
#include "support/TempFolder.h"
#include "widgets/CvUserItemBase.h"
#include "support/Display.h"

namespace widgettest {

// A pixel of a bitmap without the premultiplication; opaque pixels come out unchanged.
inline host::Colour At(const host::Bitmap& bitmap, int x, int y) {
    const std::uint8_t* p = bitmap.GetPixels() + y * bitmap.GetStride() + x * 4;
    if (p[3] == 0) {
        return {0, 0, 0, 0, 0};
    }
    auto unpremultiply = [&](std::uint8_t v) { return std::uint8_t((v * 255 + p[3] / 2) / p[3]); };
    return {unpremultiply(p[2]), unpremultiply(p[1]), unpremultiply(p[0]), p[3], 0};
}

// A bounding box of pixels, edges included; the default one holds no pixel.
struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    friend bool operator==(const Box&, const Box&) = default;
    friend void PrintTo(const Box& b, std::ostream* out) {
        *out << "(" << b.left << ", " << b.top << ") to (" << b.right << ", " << b.bottom << ")";
    }
};

// The bounding box of the pixels that differ from `background`.
inline Box FindNot(const host::Bitmap& bitmap, const host::Colour& background) {
    Box box;
    for (int y = 0; y < bitmap.GetHeight(); ++y) {
        for (int x = 0; x < bitmap.GetWidth(); ++x) {
            if (At(bitmap, x, y) != background) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

// What a user item shows after one update, drawn into a bitmap of its size as a window would.
inline std::unique_ptr<host::Bitmap> Render(CvUserItemBase& item) {
    auto bitmap = std::make_unique<host::Bitmap>(item.GetWidth(), item.GetHeight());
    host::OffscreenContext native(*bitmap);
    item.HandleUpdate({&item, native.GetNative()});
    return bitmap;
}

// An empty dialog of 400 x 300 pixels to which the tests append their user items.
inline host::DialogTemplate EmptyTemplate() {
    host::DialogTemplate dialogTemplate;
    dialogTemplate.title = "Widgets";
    dialogTemplate.width = 400;
    dialogTemplate.height = 300;
    dialogTemplate.items = {{1, host::DialogItemKind::PushButton, 300, 270, 90, 25, 1, 0, 0, "OK"}};
    return dialogTemplate;
}

// The store of this library loaded from a catalogue of the test's own; released at the end.
class GlobalStore {
public:
    ~GlobalStore() { GetTNData().ReleaseCatalogue(); }

    host::Result Load(const std::string& catalogueXml) {
        GetTNData().ReleaseCatalogue();
        return testsupport::LoadStoreFrom(GetTNData(), folder, catalogueXml);
    }

    // Toggles the store into `viewMode`; false when the current product does not offer it.
    static bool SwitchToViewMode(std::int32_t viewMode) {
        for (int i = 0; i < 3 && GetTNData().GetViewMode() != viewMode; ++i) {
            GetTNData().ToggleViewMode(false);
        }
        return GetTNData().GetViewMode() == viewMode;
    }

    testsupport::TempFolder folder;
};

// An empty dialog of the toolkit and its driver, skipped without a display.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        TN_START_TOOLKIT();
        SetUpPaletteAndFont();
        dialog = std::make_unique<host::ModalDialog>(EmptyTemplate());
        driver = std::make_unique<host::DialogDriver>(*dialog);
    }

    void TearDown() override {
        if (dialog && dialog->IsOpen()) {
            dialog->EndModal(host::DialogResponse::Cancel);
        }
    }

    std::int16_t AppendUserItem(std::int16_t left, std::int16_t top, std::int16_t width,
                                std::int16_t height) {
        return dialog->AppendUserItem(left, top, width, height);
    }

    // Opens the dialog and lets its first frame be drawn.
    void Open() {
        ASSERT_TRUE(dialog->BeginModal());
        host::FlushRedraws();
    }

    std::unique_ptr<host::ModalDialog> dialog;
    std::unique_ptr<host::DialogDriver> driver;
};

} // namespace widgettest
