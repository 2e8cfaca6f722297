#pragma once

#include "catalogue/TNData.h"
#include "dialog/TNDialog.h"
#include "host/AlertBox.h"
#include "host/DialogDriver.h"
#include "host/Resources.h"
#include "host/Toolkit.h"
#include "support/CatalogueXml.h"
#include "support/ImageFiles.h"
#include "support/StoreLoading.h"
#include "support/TempFolder.h"
#include "widgets/AddOnResourceModule.h"
#include "support/Display.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace dialogtest {

using testsupport::XmlAttributes;

// Template items, as a person finds them.
enum : std::int16_t {
    CloseButton = 1,
    ModePopup = 4,
    SurfacePopup = 5,
    ProductPopup = 6,
    ChipsCheck = 7,
    PickerCheck = 8,
    RgbText = 9,
    SelectedText = 10,
    AddButton = 12,
    RemoveButton = 13,
    ExportButton = 15,
    WebLinkButton = 17,
};

inline XmlAttributes Colour(const std::string& mode, const std::string& surface, const std::string& product,
                            const std::string& colourName, int r, int g, int b) {
    XmlAttributes colour = testsupport::CatalogueColour(mode, surface, product, "x");
    return colour.Set("colourName", colourName)
        .Set("red", std::to_string(r))
        .Set("green", std::to_string(g))
        .Set("blue", std::to_string(b));
}

// Mode "Homlokzat": surface "Vakolat" with "Sima x" (plain chips), "Kerék x" (wheel colours) and
// "Kever x" (a mixing base); surface "Fa" with "Lazúr x" (a textured colour and a texture-only one).
// Mode "Beltér": surface "Fal" with "Festék x".
inline std::string DialogCatalogue(const std::string& webLink) {
    XmlAttributes textured = Colour("Homlokzat", "Fa", "Lazúr", "Dió", 120, 80, 40);
    textured.Set("texture", "textures/fa.jpg");
    XmlAttributes textureOnly = Colour("Homlokzat", "Fa", "Lazúr", "", -1, -1, -1);
    textureOnly.Set("texture", "textures/fa.jpg");
    return testsupport::CatalogueDocument(
        {Colour("Homlokzat", "Vakolat", "Sima", "Homok", 10, 20, 30),
         Colour("Homlokzat", "Vakolat", "Sima", "Tégla", 200, 10, 10),
         Colour("Homlokzat", "Vakolat", "Sima", "Fehér", 250, 250, 250),
         Colour("Homlokzat", "Vakolat", "Kerék", "Piros", 255, 0, 0).Set("wheel", "true"),
         Colour("Homlokzat", "Vakolat", "Kerék", "Zöld", 0, 255, 0),
         Colour("Homlokzat", "Vakolat", "Kerék", "Kék", 0, 0, 255),
         Colour("Homlokzat", "Vakolat", "Kever", "Alap", 128, 128, 128).Set("auxiliaryColourTable", "true"),
         Colour("Homlokzat", "Vakolat", "Kever", "Minta", 60, 60, 60), textured, textureOnly,
         Colour("Beltér", "Fal", "Festék", "Hó", 255, 255, 255)},
        {testsupport::AuxiliaryColour("Vörös", "250", "0", "0"),
         testsupport::AuxiliaryColour("Fekete", "0", "0", "0"),
         testsupport::AuxiliaryColour("Fehér", "255", "255", "255")},
        {testsupport::Setting("weblink", webLink)});
}

// A loaded store, the add-on's resources, and a TNDialog opened on them, driven as a person would.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        TN_START_TOOLKIT();
        if (addOnResourceModule == host::NoResourceModule) {
            addOnResourceModule = host::RegisterResourceModule(nullptr);
        }
        ASSERT_NE(addOnResourceModule, host::NoResourceModule);
        alerts.clear();
        previousResponder = host::SetAlertResponder([this](const host::AlertRequest& request) {
            alerts.push_back(request);
            return std::int16_t{1};
        });
        LoadStore(DialogCatalogue("https://www.tarnova.example/szinek"));
    }

    void TearDown() override {
        Close();
        host::SetAlertResponder(previousResponder);
        GetTNData().ReleaseCatalogue();
        // The store outlives dialogs; leave it as a fresh one would be for the next test.
        GetTNData().SetSelectedSlot(0);
        if (GetTNData().GetViewMode() != ViewModeChips) {
            GetTNData().ToggleViewMode(false);
        }
    }

    void LoadStore(const std::string& catalogueXml) {
        GetTNData().ReleaseCatalogue();
        folder.Write("textures/fa.jpg", testsupport::MakeJpeg(16, 16, {150, 100, 50, 255, 0}));
        ASSERT_EQ(testsupport::LoadStoreFrom(GetTNData(), folder, catalogueXml), 0);
    }

    // Builds the dialog from the add-on's template, as the menu command does.
    void Build() {
        host::ResourceModuleScope scope(addOnResourceModule);
        dialog = std::make_unique<TNDialog>(TNDialog::TemplateId);
        driver = std::make_unique<host::DialogDriver>(*dialog);
    }

    void Open() {
        Build();
        ASSERT_TRUE(dialog->BeginModal());
        host::FlushRedraws();
    }

    void Close() {
        if (dialog && dialog->IsOpen()) {
            dialog->EndModal(host::DialogResponse::Cancel);
        }
        driver.reset();
        dialog.reset();
    }

    host::ItemState Item(std::int16_t id) const {
        return driver->GetItemState(id).value_or(host::ItemState{});
    }
    host::ItemState Drawn(const char* name) const { return Item(driver->FindUserItem(name).value_or(0)); }
    std::int16_t DrawnId(const char* name) const { return driver->FindUserItem(name).value_or(0); }

    // The colour names of the visible chips of a drawn item, "" for a chip without colour.
    std::vector<std::string> ChipNames(const char* name) const {
        host::FlushRedraws(); // drawn items describe what they last drew
        std::vector<std::string> names;
        for (const host::AccessibleElement& element : Drawn(name).elements) {
            names.push_back(element.name);
        }
        return names;
    }
    std::string ChipName(const char* name) const {
        const auto names = ChipNames(name);
        return names.empty() ? "<none>" : names.front();
    }

    testsupport::TempFolder folder;
    std::unique_ptr<TNDialog> dialog;
    std::unique_ptr<host::DialogDriver> driver;
    std::vector<host::AlertRequest> alerts;
    host::AlertResponder previousResponder;
};

} // namespace dialogtest
