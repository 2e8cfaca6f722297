// The dialog's answers to the toolkit: every user action becomes one store operation.

#include "catalogue/TNData.h"
#include "dialog/TNDialog.h"
#include "dialog/WebAddress.h"
#include "export/MaterialExport.h"
#include "host/CodePage.h"
#include "host/Windows.h"
#include "widgets/ArrayChipItemBase.h"

void TNDialog::PanelOpened(const host::PanelOpenEvent&) {
    GetTNData().NotifyAll();
    pickerCheck.SetText("Színválasztó");
}

void TNDialog::PanelIdle(const host::PanelIdleEvent&) {
    // Only the chip grid follows the mouse; elsewhere it drops its hover label.
    host::MousePosition position;
    if (GetMousePosition(position) && position.itemId == chipArray->GetId()) {
        chipArray->UpdateHover(&position);
    } else {
        chipArray->UpdateHover(nullptr);
    }
}

void TNDialog::ButtonClicked(const host::ButtonClickEvent& event) {
    TNData& store = GetTNData();
    if (event.source == &closeButton) {
        PostCloseRequest(host::DialogResponse::Accept);
    } else if (event.source == &addButton) {
        // A negative slot becomes an index the store refuses.
        const std::int16_t slot = store.GetSelectedSlot();
        if (slot < 5) {
            store.SetChosenColour(static_cast<std::uint32_t>(slot), store.GetCurrentColour());
        }
    } else if (event.source == &removeButton) {
        const std::int16_t slot = store.GetSelectedSlot();
        if (slot < 5) {
            store.SetChosenColour(static_cast<std::uint32_t>(slot), nullptr);
        }
    } else if (event.source == &webLinkButton) {
        if (const TNPersistentData* catalogue = store.GetCatalogue()) {
            OpenWebLink(catalogue->GetWebLink());
        }
    } else if (event.source == &exportButton) {
        ExportChosenColours();
    }
}

void TNDialog::PopUpChanged(const host::PopUpChangeEvent& event) {
    host::PopUp* popup = event.source;
    const host::UniString name(popup->GetItemText(popup->GetSelectedItem()));
    if (popup == &modePopup) {
        GetTNData().SelectMode(name);
    } else if (popup == &surfacePopup) {
        GetTNData().SelectSurface(name);
    } else if (popup == &productPopup) {
        GetTNData().SelectProduct(name);
    }
}

void TNDialog::CheckItemChanged(const host::CheckItemChangeEvent& event) {
    // The click has flipped the push-check: now on means the user chose the other view; now off
    // means the user clicked the view already shown, which stays.
    if (event.source->IsOn()) {
        GetTNData().ToggleViewMode(true);
    } else {
        event.source->SetOn();
    }
}

void TNDialog::ExportChosenColours() {
    if (::ExportChosenColours(GetTNData())) {
        texturesWritten = true;
    }
}

void TNDialog::OpenWebLink(const host::UniString& link) {
    if (const auto address = WebAddressToOpen(link.ToStdString())) {
        const std::string narrow = host::FromUtf8(*address, host::SystemCodePage());
        host::ShellExecuteA(nullptr, "open", narrow.c_str(), nullptr, nullptr, host::ShowNormal);
    }
}
