#pragma once

#include "catalogue/ColourMath.h"
#include "host/MemoryHandle.h"
#include "widgets/CvUserItemBase.h"

#include <cstdint>
#include <memory>

namespace host {
class Image;
}

// Picks a free colour with the mouse: a spectrum image gives hue (left to right) and saturation (top
// to bottom), a bar beside it lightness (top white, bottom black). Each pick goes to the catalogue
// store: in view mode 1 as the three nearest colours of the current product, otherwise as the colour
// to mix. Dragging with the left button held picks continuously.
class ColorPickerItem : public CvUserItemBase {
public:
    // The spectrum is the add-on's "DATA" resource `resourceId` (0 for none): a 32-bit little-endian
    // length, then a BMP file. Without it nothing can be picked.
    ColorPickerItem(host::ModalDialog& panel, std::int16_t itemId, std::int32_t resourceId);
    ~ColorPickerItem() override;

    void HandleClick(const host::UserItemMouseEvent& event) override;
    void HandleDoubleClick(const host::UserItemMouseEvent& event) override;
    void UserItemMouseMoved(const host::UserItemMouseEvent& event) override;
    void Draw(host::DrawContext& context) override;

    // Hands the picked colour to the store again, then shows and redraws the picker.
    virtual void Refresh();

    host::Rect GetSpectrumRect() const { return spectrumRect; }
    host::Rect GetLightnessRect() const { return lightnessRect; }
    // Hue in degrees, lightness and saturation; black until the first pick.
    HslColour GetPickedColour() const { return {hue * 360.0, lightness, saturation}; }

    // A point on the spectrum sets hue and saturation, one on the bar or up to 5 pixels beside it
    // lightness; each pick is applied and redrawn. Elsewhere nothing happens.
    void PickAt(host::Point point);
    void ApplyPickedColour();

private:
    struct HandleDisposer {
        void operator()(host::MemHandleRecord* handle) const { host::DisposeHandle(handle); }
    };

    void DrawLightnessBar(host::DrawContext& context) const;

    std::unique_ptr<host::MemHandleRecord, HandleDisposer> resource;
    std::unique_ptr<host::Image> spectrumImage;
    host::Rect spectrumRect;
    host::Rect lightnessRect;
    double hue = 0.0;
    double saturation = 0.0;
    double lightness = 0.0;
};
