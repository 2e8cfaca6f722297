#include "widgets/ArrayChipItemBase.h"

#include "catalogue/TNData.h"
#include "widgets/ChipItem.h"

#include <algorithm>

namespace {

struct GridLayout {
    int chipSize = 0;
    int perRow = 0;
    int rows = 0;
};

// Chips of side `s` with 4-pixel gaps between them and no outer margin: how many to a row and how
// many rows fit.
GridLayout LayoutOf(int width, int height, int s) {
    return {s, (width + 4) / (s + 4), (height + 4) / (s + 4)};
}

// The largest chip below the height for which `count` chips fit, but at least 1 pixel.
GridLayout ChooseLayout(int width, int height, std::size_t count) {
    if (width < 1 || height < 2) {
        return {};
    }
    GridLayout layout = LayoutOf(width, height, height - 1);
    while (layout.chipSize > 1 && static_cast<std::size_t>(layout.perRow) * layout.rows < count) {
        layout = LayoutOf(width, height, layout.chipSize - 1);
    }
    return layout;
}

} // namespace

ArrayChipItemBase::ArrayChipItemBase(host::ModalDialog& panel, std::int16_t itemId)
    : CvUserItemBase(panel, itemId) {
    const TNPersistentData* catalogue = GetTNData().GetCatalogue();
    const int count = catalogue != nullptr ? std::max<int>(catalogue->GetLargestGroup(), 0) : 0;
    chips.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto chip = std::make_unique<ChipItem>(host::Rect(), this, ChipRoleCatalogue);
        chip->SetVisible(false);
        chips.push_back(chip.get());
        AddItem(std::move(chip));
    }
}

void ArrayChipItemBase::Draw(host::DrawContext& context) {
    DrawBackground(context);
    DrawElements(context);
    DrawHoverLabel(context);
}

void ArrayChipItemBase::RefreshChips() {
    TNData& store = GetTNData();
    std::vector<ColorEntity*> colours;
    if (const TNPersistentData* catalogue = store.GetCatalogue()) {
        colours = catalogue->GetColours(store.GetMode(), store.GetSurface(), store.GetProduct(), false);
    }
    const GridLayout layout = ChooseLayout(GetWidth(), GetHeight(), colours.size());
    const std::size_t capacity = static_cast<std::size_t>(layout.perRow) * layout.rows;
    const std::size_t shown = std::min({colours.size(), chips.size(), capacity});
    const int step = layout.chipSize + 4;
    for (std::size_t i = 0; i < shown; ++i) {
        const int left = static_cast<int>(i % layout.perRow) * step;
        const int top = static_cast<int>(i / layout.perRow) * step;
        chips[i]->SetRect(host::Rect(static_cast<std::int16_t>(left), static_cast<std::int16_t>(top),
                                     static_cast<std::int16_t>(left + layout.chipSize),
                                     static_cast<std::int16_t>(top + layout.chipSize)));
        chips[i]->SetColour(colours[i]);
        chips[i]->SetVisible(true);
    }
    for (std::size_t i = shown; i < chips.size(); ++i) {
        chips[i]->SetVisible(false);
    }
    PublishAccessibleElements();
    Redraw(true, false);
}
