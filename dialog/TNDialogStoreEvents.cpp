// The dialog's answers to the store: every visible change is made here.

#include "catalogue/TNData.h"
#include "dialog/TNDialog.h"
#include "widgets/ArrayChipItemBase.h"
#include "widgets/ChipItem.h"
#include "widgets/ColorPickerItem.h"
#include "widgets/SingleChipItemBase.h"

namespace {

// The store's catalogue, or an empty one when there is none (before loading, after release).
const TNPersistentData& CatalogueOf(const TNData& store) {
    static const TNPersistentData empty;
    return store.GetCatalogue() != nullptr ? *store.GetCatalogue() : empty;
}

void ShowChipColour(SingleChipItemBase& item, ColorEntity* colour) {
    if (ChipItem* chip = item.GetChip()) {
        chip->SetColour(colour);
    }
    item.Redraw(true, false);
}

} // namespace

void TNDialog::ModeChanged() {
    FillModePopup();
}

void TNDialog::SurfaceChanged() {
    FillSurfacePopup(true);
}

void TNDialog::ProductChanged() {
    FillProductPopup(true);
}

void TNDialog::CurrentColourChanged() {
    ShowCurrentColour();
}

void TNDialog::ChosenColourChanged(std::uint32_t) {
    for (std::size_t i = 0; i < chosenChips.size(); ++i) {
        ShowChipColour(*chosenChips[i], GetTNData().GetChosenColour(static_cast<std::uint32_t>(i)));
    }
}

void TNDialog::PickedColoursChanged() {
    const TNData& store = GetTNData();
    if (store.GetViewMode() == ViewModeMixing) {
        ShowChipColour(*mixedChip, store.GetMixedColour());
    } else if (store.GetViewMode() == ViewModeWheel) {
        for (std::size_t i = 0; i < nearestChips.size(); ++i) {
            ShowChipColour(*nearestChips[i], store.GetNearestColour(static_cast<std::uint32_t>(i)));
        }
    }
}

void TNDialog::SelectedSlotChanged() {
    const std::int16_t slot = GetTNData().GetSelectedSlot();
    for (std::size_t i = 0; i < chosenChips.size(); ++i) {
        if (ChipItem* chip = chosenChips[i]->GetChip()) {
            chip->SetSelected(slot == static_cast<std::int16_t>(i));
        }
        chosenChips[i]->Redraw(true, false);
    }
}

void TNDialog::ViewModeChanged(bool available) {
    SwitchViews(available);
}

void TNDialog::FillModePopup() {
    const TNData& store = GetTNData();
    FillPopup(modePopup, CatalogueOf(store).GetModes(), store.GetMode());
    FillSurfacePopup(false);
    chipArray->RefreshChips();
}

void TNDialog::FillSurfacePopup(bool reload) {
    const TNData& store = GetTNData();
    FillPopup(surfacePopup, CatalogueOf(store).GetSurfaces(store.GetMode()), store.GetSurface());
    FillProductPopup(false);
    if (reload) {
        chipArray->RefreshChips();
    }
}

void TNDialog::FillProductPopup(bool reload) {
    const TNData& store = GetTNData();
    FillPopup(productPopup, CatalogueOf(store).GetProducts(store.GetMode(), store.GetSurface()),
              store.GetProduct());
    if (reload) {
        chipArray->RefreshChips();
    }
}

void TNDialog::FillPopup(host::PopUp& popup, const host::StringSet& names, const host::UniString& current) {
    popup.DeleteAllItems();
    for (const host::UniString& name : names) {
        popup.AppendItem();
        const std::int16_t index = popup.GetItemCount();
        popup.SetItemText(index, name.ToStdString());
        if (name == current) {
            popup.SelectItem(index);
        }
    }
}

void TNDialog::ShowCurrentColour() {
    ColorEntity* colour = GetTNData().GetCurrentColour();
    if (ChipItem* chip = currentChip->GetChip()) {
        chip->SetColour(colour);
    }
    currentChip->SetVisible(true);
    currentChip->Redraw(true, false);
    if (colour != nullptr && colour->hasColour) {
        rgbText.SetText(host::UniString::Format("RGB Szín: %d, %d, %d", colour->colour.red,
                                                colour->colour.green, colour->colour.blue)
                            .ToStdString());
    } else {
        rgbText.SetText("RGB Szín:");
    }
    if (colour != nullptr) {
        selectedText.SetText(host::UniString("Kiválasztott szín: ").Append(colour->colourName).ToStdString());
    }
}

void TNDialog::SwitchViews(bool available) {
    switch (GetTNData().GetViewMode()) {
    case ViewModeWheel:
        chipArray->Hide();
        mixedChip->Hide();
        picker->Refresh();
        for (auto& chip : nearestChips) {
            chip->Show();
        }
        chipsCheck.SetOff();
        pickerCheck.SetOn();
        break;
    case ViewModeMixing:
        chipArray->Hide();
        for (auto& chip : nearestChips) {
            chip->Hide();
        }
        mixedChip->Show();
        picker->Refresh();
        chipsCheck.SetOff();
        pickerCheck.SetOn();
        break;
    default:
        picker->Hide();
        for (auto& chip : nearestChips) {
            chip->Hide();
        }
        mixedChip->Hide();
        chipArray->Show();
        chipsCheck.SetOn();
        pickerCheck.SetOff();
        break;
    }
    if (available) {
        chipsCheck.Enable();
        pickerCheck.Enable();
    } else {
        chipsCheck.Disable();
        pickerCheck.Disable();
    }
}
