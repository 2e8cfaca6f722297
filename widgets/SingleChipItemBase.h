#pragma once

#include "widgets/CvUserItemBase.h"

#include <cstdint>

class ChipItem;

// A user item that is one chip: the current colour, a slot of the chosen-colour list, a proposed
// nearest colour or the mixed colour. The dialog gives the chip its colour and selection.
class SingleChipItemBase : public CvUserItemBase {
public:
    // `slotIndex` is the list slot (0 to 4) of a list-slot chip, 0 for the others.
    SingleChipItemBase(host::ModalDialog& panel, std::int16_t itemId, std::int32_t role,
                       std::int32_t slotIndex);

    // The background, and the chip while the item's own visible flag is set.
    void Draw(host::DrawContext& context) override;
    // A list-slot chip's click selects its slot.
    void Click() override;
    void DoubleClick() override;

    ChipItem* GetChip() const { return chip; }

private:
    ChipItem* chip;
    std::int32_t slotIndex;
};
