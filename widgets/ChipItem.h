#pragma once

#include "widgets/CvItemBase.h"

#include <cstdint>

class ColorEntity;

// Roles of a chip: what a click on it asks of the catalogue store.
inline constexpr std::int32_t ChipRoleCatalogue = 0; // a grid chip: makes its colour current
inline constexpr std::int32_t ChipRoleCurrent = 1;   // shows the current colour; clicks do nothing
inline constexpr std::int32_t ChipRoleListSlot = 2;  // a slot of the chosen list: selects the slot
inline constexpr std::int32_t ChipRoleNearest = 3;   // a proposed nearest colour: makes it current
inline constexpr std::int32_t ChipRoleMixed = 4;     // the mixed colour: adopts it as current

// A rectangle that shows one catalogue colour: its solid colour, its texture image, or the image
// washed with the colour at the catalogue's colour amount. The record is not owned.
class ChipItem : public CvItemBase {
public:
    ChipItem(const host::Rect& rect, CvUserItemBase* owner, std::int32_t role);
    ~ChipItem() override;

    // The colour's full name; empty without a colour.
    host::UniString GetHoverText(host::Point point) const override;
    void Draw(host::DrawContext& context) override;
    void Click() override;
    void DoubleClick() override;
    bool IsSelected() const override { return selected; }

    void SetColour(ColorEntity* newColour) { colour = newColour; }
    ColorEntity* GetColour() const { return colour; }
    void SetSelected(bool value) { selected = value; }
    std::int32_t GetRole() const { return chipRole; }

private:
    std::int32_t chipRole;
    ColorEntity* colour = nullptr;
    bool selected = false;
};
