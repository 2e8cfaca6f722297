#include "dialog/TNDialog.h"

#include "catalogue/TNData.h"
#include "widgets/ArrayChipItemBase.h"
#include "widgets/ChipItem.h"
#include "widgets/ColorPickerItem.h"
#include "widgets/SingleChipItemBase.h"

#include <string>

namespace {

// Template items the dialog addresses.
enum ItemId : std::int16_t {
    CloseButtonId = 1,
    ModePopupId = 4,
    SurfacePopupId = 5,
    ProductPopupId = 6,
    ChipsCheckId = 7,
    PickerCheckId = 8,
    RgbTextId = 9,
    SelectedTextId = 10,
    ListSeparatorId = 11,
    AddButtonId = 12,
    RemoveButtonId = 13,
    ExportButtonId = 15,
    WebLinkButtonId = 17,
};

constexpr std::int32_t SpectrumResourceId = 32620;

} // namespace

TNDialog::TNDialog(std::int16_t templateId)
    : host::ModalDialog(templateId), closeButton(*this, CloseButtonId), modePopup(*this, ModePopupId),
      surfacePopup(*this, SurfacePopupId), productPopup(*this, ProductPopupId),
      chipsCheck(*this, ChipsCheckId), pickerCheck(*this, PickerCheckId), rgbText(*this, RgbTextId),
      selectedText(*this, SelectedTextId), listSeparator(*this, ListSeparatorId),
      addButton(*this, AddButtonId), removeButton(*this, RemoveButtonId), exportButton(*this, ExportButtonId),
      webLinkButton(*this, WebLinkButtonId) {
    CreateDrawnItems();

    GetTNData().GetEventSource().Attach(*this);
    Attach(static_cast<host::PanelObserver&>(*this));
    closeButton.Attach(*this);
    modePopup.Attach(*this);
    surfacePopup.Attach(*this);
    productPopup.Attach(*this);
    chipsCheck.Attach(*this);
    pickerCheck.Attach(*this);
    addButton.Attach(*this);
    removeButton.Attach(*this);
    exportButton.Attach(*this);
    webLinkButton.Attach(*this);
    EnableIdleEvents();
}

TNDialog::~TNDialog() {
    GetTNData().GetEventSource().Detach(*this);
    Detach(static_cast<host::PanelObserver&>(*this));
    closeButton.Detach(*this);
    modePopup.Detach(*this);
    surfacePopup.Detach(*this);
    productPopup.Detach(*this);
    chipsCheck.Detach(*this);
    pickerCheck.Detach(*this);
    addButton.Detach(*this);
    removeButton.Detach(*this);
    exportButton.Detach(*this);
    webLinkButton.Detach(*this);

    chipArray.reset();
    currentChip.reset();
    for (auto& chip : chosenChips) {
        chip.reset();
    }
    picker.reset();
    for (auto& chip : nearestChips) {
        chip.reset();
    }
    mixedChip.reset();
}

template <typename Item, typename... Args>
std::unique_ptr<Item> TNDialog::AppendDrawnItem(const host::Rect& rect, const char* accessibleName,
                                                Args... args) {
    const std::int16_t id = AppendUserItem(rect.GetLeft(), rect.GetTop(), rect.GetWidth(), rect.GetHeight());
    auto item = std::make_unique<Item>(*this, id, args...);
    item->SetAccessibleName(accessibleName);
    return item;
}

void TNDialog::CreateDrawnItems() {
    namespace layout = dialoglayout;
    const host::Rect arrayRect =
        layout::ChipArray(listSeparator.GetRect(), chipsCheck.GetRect(), rgbText.GetRect());
    chipArray = AppendDrawnItem<ArrayChipItemBase>(arrayRect, "chipArray");
    chipArray->Show();

    currentChip = AppendDrawnItem<SingleChipItemBase>(
        layout::CurrentChip(arrayRect, rgbText.GetRect(), listSeparator.GetRect()), "currentChip",
        ChipRoleCurrent, 0);
    currentChip->Show();

    const auto slotRects = layout::ChosenChips(arrayRect, addButton.GetRect(), removeButton.GetRect());
    for (std::size_t i = 0; i < chosenChips.size(); ++i) {
        const std::string name = "slot" + std::to_string(i);
        chosenChips[i] = AppendDrawnItem<SingleChipItemBase>(slotRects[i], name.c_str(), ChipRoleListSlot,
                                                             static_cast<std::int32_t>(i));
        chosenChips[i]->Show();
    }

    const host::Rect pickerRect = layout::Picker(arrayRect, listSeparator.GetRect());
    picker = AppendDrawnItem<ColorPickerItem>(pickerRect, "picker", SpectrumResourceId);
    picker->Hide();

    const host::Rect mixedRect = layout::MixedChip(arrayRect, pickerRect, picker->GetSpectrumRect());
    mixedChip = AppendDrawnItem<SingleChipItemBase>(mixedRect, "mixedChip", ChipRoleMixed, 0);
    mixedChip->Hide();

    const auto nearestRects = layout::NearestChips(mixedRect);
    for (std::size_t i = 0; i < nearestChips.size(); ++i) {
        const std::string name = "nearest" + std::to_string(i);
        nearestChips[i] =
            AppendDrawnItem<SingleChipItemBase>(nearestRects[i], name.c_str(), ChipRoleNearest, 0);
        nearestChips[i]->Hide();
    }
}
