#include "widgets/ColorPickerItem.h"

#include "catalogue/ImageFileTypes.h"
#include "catalogue/NearestColourSearch.h"
#include "catalogue/TNData.h"
#include "host/DrawContext.h"
#include "host/Image.h"
#include "host/ResourceTypes.h"
#include "loading/Palette.h"
#include "widgets/AddOnResourceModule.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr int BandCount = 40;
constexpr int BarGap = 10; // between the spectrum and the bar
constexpr int BarWidth = 10;
constexpr int BarReach = 5; // a click this far beside the bar still sets the lightness
constexpr int CrossArm = 4;
constexpr int ArrowSize = 5;

// The image in a sized resource: a 32-bit little-endian count, then that many bytes of a BMP file.
// A count beyond the resource is cut to the bytes there are.
std::unique_ptr<host::Image> DecodeSizedBmp(host::MemHandle handle) {
    const std::size_t size = host::GetHandleSize(handle);
    if (size < 4) {
        return nullptr;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(host::GetHandleData(handle));
    const std::size_t declared = std::size_t(bytes[0]) | std::size_t(bytes[1]) << 8 |
                                 std::size_t(bytes[2]) << 16 | std::size_t(bytes[3]) << 24;
    return host::Image::Decode(bytes + 4, std::min(declared, size - 4), bmpFileType);
}

RgbaColour OpaqueColour(const HslColour& hsl) {
    const RgbChannels rgb = HslToRgb(hsl);
    return RgbaColour{rgb.red, rgb.green, rgb.blue, 255, 0};
}

} // namespace

ColorPickerItem::ColorPickerItem(host::ModalDialog& panel, std::int16_t itemId, std::int32_t resourceId)
    : CvUserItemBase(panel, itemId) {
    if (resourceId != 0) {
        host::ResourceModuleScope scope(addOnResourceModule);
        resource.reset(host::LoadResource(host::DataResource, resourceId));
        if (resource != nullptr) {
            spectrumImage = DecodeSizedBmp(resource.get());
        }
    }
    if (spectrumImage == nullptr) {
        return;
    }
    const auto iw = static_cast<std::int16_t>(spectrumImage->GetWidth());
    const auto ih = static_cast<std::int16_t>(spectrumImage->GetHeight());
    const auto left = static_cast<std::int16_t>((GetWidth() - (iw + 25)) / 2);
    const auto top = static_cast<std::int16_t>((GetHeight() - ih) / 2);
    spectrumRect =
        host::Rect(left, top, static_cast<std::int16_t>(left + iw), static_cast<std::int16_t>(top + ih));
    lightnessRect = spectrumRect;
    lightnessRect.Offset(static_cast<std::int16_t>(iw + BarGap), 0);
    lightnessRect.SetWidth(BarWidth);
    EnableMouseMoveEvents();
}

ColorPickerItem::~ColorPickerItem() = default;

void ColorPickerItem::HandleClick(const host::UserItemMouseEvent& event) {
    PickAt(event.offset);
    CvUserItemBase::HandleClick(event);
}

void ColorPickerItem::HandleDoubleClick(const host::UserItemMouseEvent& event) {
    PickAt(event.offset);
    CvUserItemBase::HandleDoubleClick(event);
}

void ColorPickerItem::UserItemMouseMoved(const host::UserItemMouseEvent& event) {
    if (event.leftButtonPressed) {
        PickAt(event.offset);
    }
}

void ColorPickerItem::PickAt(host::Point point) {
    if (spectrumRect.Contains(point)) {
        hue = double(point.x - spectrumRect.GetLeft()) / spectrumRect.GetWidth();
        saturation = 1.0 - double(point.y - spectrumRect.GetTop()) / spectrumRect.GetHeight();
    } else {
        host::Rect bar = lightnessRect;
        bar.SetLeft(static_cast<std::int16_t>(bar.GetLeft() - BarReach));
        bar.SetRight(static_cast<std::int16_t>(bar.GetRight() + BarReach));
        if (!bar.Contains(point)) {
            return;
        }
        lightness = 1.0 - double(point.y - bar.GetTop()) / bar.GetHeight();
    }
    ApplyPickedColour();
    Redraw(true, false);
}

void ColorPickerItem::ApplyPickedColour() {
    const RgbChannels rgb = HslToRgb(GetPickedColour());
    TNData& store = GetTNData();
    if (store.GetViewMode() == ViewModeWheel) {
        const ColourVector xyz = SrgbToXyz({double(rgb.red), double(rgb.green), double(rgb.blue)});
        ProposeNearestColours(XyzToLab(xyz, ReferenceWhite));
    } else {
        store.MixPickedColour(RgbaColour{rgb.red, rgb.green, rgb.blue, 255, 0});
    }
}

void ColorPickerItem::Refresh() {
    ApplyPickedColour();
    Show();
    Redraw(true, false);
}

void ColorPickerItem::Draw(host::DrawContext& context) {
    DrawBackground(context);
    if (spectrumImage != nullptr) {
        context.DrawImage(*spectrumImage, ToRealRect(spectrumRect));
        // The context's initial pen: nothing has set one yet.
        const int cx = static_cast<int>(spectrumRect.GetLeft() + spectrumImage->GetWidth() * hue);
        const int cy =
            static_cast<int>(spectrumRect.GetTop() + spectrumImage->GetHeight() * (1.0 - saturation));
        context.DrawLine(cx - CrossArm, cy, cx + CrossArm, cy);
        context.DrawLine(cx, cy - CrossArm, cx, cy + CrossArm);
    }
    DrawLightnessBar(context);

    // The last band left the pen black and 0 wide.
    const int y = static_cast<int>(lightnessRect.GetTop() + lightnessRect.GetHeight() * (1.0 - lightness));
    const int lx = lightnessRect.GetLeft() - 1;
    const int rx = lightnessRect.GetRight() + 1;
    context.DrawLine(lx - ArrowSize, y - ArrowSize, lx, y);
    context.DrawLine(lx - ArrowSize, y + ArrowSize, lx, y);
    context.DrawLine(rx, y, rx + ArrowSize, y + ArrowSize);
    context.DrawLine(rx, y, rx + ArrowSize, y - ArrowSize);
    DrawHoverLabel(context);
}

void ColorPickerItem::DrawLightnessBar(host::DrawContext& context) const {
    const double top = lightnessRect.GetTop();
    const double height = lightnessRect.GetHeight();
    for (int i = 0; i < BandCount; ++i) {
        const int bandTop = static_cast<int>(top + (height * i) / BandCount);
        const int bandBottom = static_cast<int>(top + (height * (i + 1)) / BandCount);
        const RgbaColour colour =
            OpaqueColour({hue * 360.0, double(BandCount - 1 - i) / (BandCount - 1), saturation});
        context.SetLinePen(host::Pen{0.0, colour});
        context.FillRect(
            host::RealRect(lightnessRect.GetLeft(), bandTop, lightnessRect.GetRight(), bandBottom),
            host::SolidPattern(colour));
    }
}
