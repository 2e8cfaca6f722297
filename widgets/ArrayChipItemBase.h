#pragma once

#include "widgets/CvUserItemBase.h"

#include <cstdint>
#include <vector>

class ChipItem;

// The grid of chips of the store's current product, in catalogue file order: square chips, 4 pixels
// apart, left to right and top to bottom, as large as lets every colour fit. The chips are made once,
// as many as the catalogue's largest group holds; a new product only places, recolours and hides
// them. Clicking a chip makes its colour the current colour.
class ArrayChipItemBase : public CvUserItemBase {
public:
    ArrayChipItemBase(host::ModalDialog& panel, std::int16_t itemId);

    void Draw(host::DrawContext& context) override;
    // Lays the chips out anew for the store's current product and redraws. A product with more
    // colours than 1-pixel chips can hold shows as many as fit.
    void RefreshChips();

    const std::vector<ChipItem*>& GetChips() const { return chips; }

private:
    std::vector<ChipItem*> chips;
};
