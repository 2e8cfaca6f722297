#include "widgets/CvUserItemBase.h"

#include "host/Bitmap.h"
#include "host/BitmapDevice.h"
#include "host/DrawContext.h"
#include "host/Image.h"
#include "host/ModalDialog.h"
#include "host/TextEngine.h"
#include "host/WindowDevice.h"
#include "loading/Palette.h"

#include <optional>

namespace {

// Unit, colour mode and line mode 0, no anti-aliasing: every shape covers whole pixels.
host::ContextAttributes ItemContextAttributes() {
    host::ContextAttributes attributes;
    attributes.unit = 0;
    attributes.colourMode = 0;
    attributes.lineMode = 0;
    attributes.antialiasing = false;
    return attributes;
}

} // namespace

CvUserItemBase::CvUserItemBase(host::ModalDialog& panel, std::int16_t itemId)
    : host::UserItem(panel, itemId) {
    host::UserItem::Attach(*this);
}

CvUserItemBase::~CvUserItemBase() {
    host::UserItem::Detach(*this);
    hoveredItem = nullptr;
    for (std::unique_ptr<CvItemBase>& item : items) {
        item.reset();
    }
}

CvItemBase* CvUserItemBase::AddItem(std::unique_ptr<CvItemBase> element) {
    items.push_back(std::move(element));
    return items.back().get();
}

CvItemBase* CvUserItemBase::FindItemAt(host::Point point) const {
    for (const std::unique_ptr<CvItemBase>& item : items) {
        const host::Rect itemRect = item->GetRect();
        if (item->IsVisible() && itemRect.Contains(point)) {
            return item.get();
        }
    }
    return nullptr;
}

void CvUserItemBase::UpdateHover(const host::MousePosition* position) {
    CvItemBase* hit = position != nullptr ? FindItemAt(position->offset) : nullptr;
    if (hit == hoveredItem) {
        return;
    }
    hoveredItem = hit;
    if (hit != nullptr) {
        hoverPoint = position->offset;
    }
    Redraw(true, false);
}

void CvUserItemBase::HandleUpdate(const host::UserItemUpdateEvent& event) {
    PublishAccessibleElements();
    const host::ContextAttributes attributes = ItemContextAttributes();
    const int width = GetWidth();
    const int height = GetHeight();

    // Declared in the reverse of the order in which they go.
    host::Bitmap bitmap(width, height);
    host::BitmapDevice bitmapDevice(bitmap);
    {
        const std::unique_ptr<host::DrawContext> context = bitmapDevice.ObtainContext(attributes);
        shownLabel.clear();
        Draw(*context);
        context->Flush();
    }
    SetAccessibleLabel(shownLabel);
    host::WindowDevice windowDevice(event.context);
    std::unique_ptr<host::Image> image;
    {
        const std::unique_ptr<host::DrawContext> context = windowDevice.ObtainContext(attributes);
        image = host::Image::FromBitmap(bitmap);
        context->DrawImage(*image, host::RealRect(0, 0, width, height));
        context->Flush();
    }
}

void CvUserItemBase::HandleClick(const host::UserItemMouseEvent& event) {
    if (CvItemBase* hit = FindItemAt(event.offset)) {
        hit->Click();
    }
}

void CvUserItemBase::HandleDoubleClick(const host::UserItemMouseEvent& event) {
    if (CvItemBase* hit = FindItemAt(event.offset)) {
        hit->Click();
        hit->DoubleClick();
    }
}

void CvUserItemBase::DrawBackground(host::DrawContext& context) const {
    context.FillRect(host::RealRect(0, 0, GetWidth(), GetHeight()), host::SolidPattern(paletteBackground));
}

void CvUserItemBase::DrawElements(host::DrawContext& context) const {
    for (const std::unique_ptr<CvItemBase>& item : items) {
        if (item->IsVisible()) {
            item->Draw(context);
        }
    }
}

void CvUserItemBase::DrawHoverLabel(host::DrawContext& context) {
    const int width = GetWidth();
    const int height = GetHeight();
    if (hoveredItem == nullptr) {
        return;
    }
    host::UniString text = hoveredItem->GetHoverText(hoverPoint);
    if (text.IsEmpty()) {
        return;
    }
    const host::FontMetrics metrics = host::GetFamilyMetrics(uiFont.family, uiFont.size);
    const int lineHeight = static_cast<int>(metrics.ascent + metrics.descent + 2);
    const std::optional<double> measured = host::MeasureStringWidth(text, uiFont);
    if (!measured) {
        return;
    }
    // Compared before the cut to int, so that no width is too large for one.
    const double textWidth = *measured + 1.1;
    int tw = 0;
    if (textWidth >= width - 11) {
        tw = width - 12;
        if (!host::ShortenString(text, uiFont, tw, true)) {
            return;
        }
    } else {
        tw = static_cast<int>(textWidth);
    }

    host::Rect box(0, 0, static_cast<std::int16_t>(tw + 6), static_cast<std::int16_t>(lineHeight + 6));
    box.Offset(hoverPoint.x, static_cast<std::int16_t>(hoverPoint.y + 20));
    if (box.GetRight() > width - 3) {
        box.Offset(static_cast<std::int16_t>(width - 3 - box.GetRight()), 0);
    }
    if (box.GetBottom() > height - 3) {
        box.Offset(0, static_cast<std::int16_t>(height - 3 - box.GetBottom()));
    }
    shownLabel = text.ToStdString();
    host::RealRect labelRect = ToRealRect(box);
    context.FillRect(labelRect, host::SolidPattern(paletteTooltipBack));
    context.FrameRect(labelRect, host::Pen{1.0, paletteTooltipInk});
    labelRect.Inset(3, 3);
    labelRect.right = labelRect.left + tw + 1;
    context.DrawPlainText(text, labelRect, uiFont, paletteTooltipInk, paletteTooltipBack,
                          host::DrawContext::TextAlignLeft, 0.0);
}

void CvUserItemBase::PublishAccessibleElements() {
    std::vector<host::AccessibleElement> elements;
    for (const std::unique_ptr<CvItemBase>& item : items) {
        if (item->IsVisible()) {
            const host::Rect itemRect = item->GetRect();
            const host::Point centre{
                static_cast<std::int16_t>((itemRect.GetLeft() + itemRect.GetRight()) / 2),
                static_cast<std::int16_t>((itemRect.GetTop() + itemRect.GetBottom()) / 2)};
            elements.push_back({itemRect, item->GetHoverText(centre).ToStdString(), item->IsSelected()});
        }
    }
    SetAccessibleElements(std::move(elements));
}
