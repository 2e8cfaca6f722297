#include "widgets/SingleChipItemBase.h"

#include "catalogue/TNData.h"
#include "widgets/ChipItem.h"

SingleChipItemBase::SingleChipItemBase(host::ModalDialog& panel, std::int16_t itemId, std::int32_t role,
                                       std::int32_t slotIndex)
    : CvUserItemBase(panel, itemId), chip(nullptr), slotIndex(slotIndex) {
    host::Rect chipRect = GetRect();
    chipRect.Offset(static_cast<std::int16_t>(-chipRect.GetLeft()),
                    static_cast<std::int16_t>(-chipRect.GetTop()));
    auto made = std::make_unique<ChipItem>(chipRect, this, role);
    made->SetVisible(true);
    chip = made.get();
    AddItem(std::move(made));
}

void SingleChipItemBase::Draw(host::DrawContext& context) {
    DrawBackground(context);
    if (CvItemBase::IsVisible()) {
        DrawElements(context);
    }
    DrawHoverLabel(context);
}

void SingleChipItemBase::Click() {
    if (chip != nullptr && chip->GetRole() == ChipRoleListSlot) {
        GetTNData().SetSelectedSlot(static_cast<std::int16_t>(slotIndex));
    }
}

void SingleChipItemBase::DoubleClick() {
    Click();
}
