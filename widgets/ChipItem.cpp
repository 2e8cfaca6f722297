#include "widgets/ChipItem.h"

#include "catalogue/ColorEntity.h"
#include "catalogue/TNData.h"
#include "host/DrawContext.h"
#include "loading/ColourAmount.h"
#include "loading/Palette.h"
#include "widgets/CvUserItemBase.h"
#include "widgets/DrawImageTiled.h"

ChipItem::ChipItem(const host::Rect& rect, CvUserItemBase* owner, std::int32_t role)
    : CvItemBase(owner, rect), chipRole(role) {}

ChipItem::~ChipItem() = default;

host::UniString ChipItem::GetHoverText(host::Point /*point*/) const {
    return colour != nullptr ? colour->GetFullName() : host::UniString();
}

void ChipItem::Draw(host::DrawContext& context) {
    const host::RealRect r = ToRealRect(rect);
    if (colour != nullptr) {
        if (colour->textureImage != nullptr) {
            DrawImageTiled(context, r, *colour->textureImage);
            if (colour->hasColour) {
                colour->colour.alpha = colourAmount;
                context.FillRect(r, host::SolidPattern(colour->colour));
            }
        } else {
            context.FillRect(r, host::SolidPattern(colour->colour));
        }
    } else {
        context.FillRect(r, host::SolidPattern(paletteBackground));
        if (!selected) {
            context.FrameRect(host::RealRect(r.left, r.top, r.right - 1, r.bottom - 1),
                              host::Pen{1.0, paletteEmptyFrame});
        }
    }
    if (selected) {
        host::RealRect frame(r.left, r.top, r.right - 1, r.bottom - 1);
        context.FrameRect(frame, host::Pen{1.0, paletteSelectionOuter});
        frame.Inset(1, 1);
        context.FrameRect(frame, host::Pen{1.0, paletteSelectionOuter});
        frame.Inset(1, 1);
        context.FrameRect(frame, host::Pen{1.0, paletteSelectionInner});
    }
}

void ChipItem::Click() {
    TNData& store = GetTNData();
    switch (chipRole) {
    case ChipRoleCatalogue:
    case ChipRoleNearest:
        store.SetCurrentColour(colour);
        break;
    case ChipRoleListSlot:
        if (owner != nullptr) {
            owner->Click();
        }
        break;
    case ChipRoleMixed:
        if (store.GetMixedColour() != nullptr) {
            store.AdoptMixedColour();
        }
        break;
    default:
        break;
    }
}

void ChipItem::DoubleClick() {
    Click();
}
