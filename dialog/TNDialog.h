#pragma once

#include "catalogue/TNDataEventObserver.h"
#include "dialog/DialogLayout.h"
#include "host/DialogItems.h"
#include "host/ItemObservers.h"
#include "host/ModalDialog.h"
#include "host/PanelObserver.h"
#include "host/StringSet.h"
#include "host/UniString.h"
#include "host/UserItemObserver.h"

#include <array>
#include <cstdint>
#include <memory>

class ArrayChipItemBase;
class ColorPickerItem;
class SingleChipItemBase;

// The colour chooser: a modal dialog that is a view over the catalogue store. Every user action
// becomes one store operation; every visible change is made in answer to the store's
// notifications. All of it runs on the user-interface thread.
class TNDialog : public host::ModalDialog,
                 public host::PanelObserver,
                 public host::ButtonObserver,
                 public host::UserItemObserver,
                 public host::UserItemDragSourceObserver,
                 public host::UserItemDropTargetObserver,
                 public host::PopUpObserver,
                 public host::CheckItemObserver,
                 public TNDataEventObserver {
public:
    static constexpr std::int16_t TemplateId = 31600;

    // Builds the dialog from template `templateId` of the active resource module, with its drawn
    // items placed and attached; the popups, chips and texts are filled when it opens.
    explicit TNDialog(std::int16_t templateId);
    ~TNDialog() override;

    // Whether an export of this dialog gave a material a texture file.
    bool IsTexturesWritten() const { return texturesWritten; }

    // Toolkit notifications.
    void PanelOpened(const host::PanelOpenEvent& event) override;
    void PanelIdle(const host::PanelIdleEvent& event) override;
    void ButtonClicked(const host::ButtonClickEvent& event) override;
    void PopUpChanged(const host::PopUpChangeEvent& event) override;
    void CheckItemChanged(const host::CheckItemChangeEvent& event) override;
    void UserItemClicked(const host::UserItemMouseEvent&) override {}
    void UserItemDoubleClicked(const host::UserItemMouseEvent&) override {}

    // Store notifications.
    void ModeChanged() override;
    void SurfaceChanged() override;
    void ProductChanged() override;
    void CurrentColourChanged() override;
    void ChosenColourChanged(std::uint32_t index) override;
    void PickedColoursChanged() override;
    void SelectedSlotChanged() override;
    void ViewModeChanged(bool available) override;

private:
    void CreateDrawnItems();
    // Appends a user item at `rect` and builds the drawn item on it, named for readers.
    template <typename Item, typename... Args>
    std::unique_ptr<Item> AppendDrawnItem(const host::Rect& rect, const char* accessibleName, Args... args);

    void FillModePopup();
    void FillSurfacePopup(bool reload);
    void FillProductPopup(bool reload);
    static void FillPopup(host::PopUp& popup, const host::StringSet& names, const host::UniString& current);
    void ShowCurrentColour();
    void SwitchViews(bool available);
    void ExportChosenColours();
    static void OpenWebLink(const host::UniString& link);

    host::PushButton closeButton;
    host::PopUp modePopup;
    host::PopUp surfacePopup;
    host::PopUp productPopup;
    host::PushCheck chipsCheck;
    host::PushCheck pickerCheck;
    host::LeftText rgbText;
    host::LeftText selectedText;
    host::Separator listSeparator;
    host::PushButton addButton;
    host::PushButton removeButton;
    host::PushButton exportButton;
    host::IconPushButton webLinkButton;
    std::unique_ptr<ArrayChipItemBase> chipArray;
    std::unique_ptr<SingleChipItemBase> currentChip;
    std::array<std::unique_ptr<SingleChipItemBase>, dialoglayout::ChosenChipCount> chosenChips;
    std::unique_ptr<ColorPickerItem> picker;
    std::array<std::unique_ptr<SingleChipItemBase>, dialoglayout::NearestChipCount> nearestChips;
    std::unique_ptr<SingleChipItemBase> mixedChip;
    bool texturesWritten = false;
};
