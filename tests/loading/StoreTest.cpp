#include "catalogue/TNData.h"
#include "catalogue/AuxiliaryColorEntity.h"
#include "support/CatalogueXml.h"
#include "support/ImageFiles.h"
#include "support/StoreEventLog.h"
#include "support/StoreLoading.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using testsupport::AuxiliaryColour;
using testsupport::CatalogueColour;
using testsupport::StoreEventLog;
using testsupport::XmlAttributes;
using Events = std::vector<std::string>;

namespace {

XmlAttributes Colour(const std::string& mode, const std::string& surface, const std::string& name,
                     const std::string& structure, const std::string& colourName, int r, int g, int b) {
    XmlAttributes colour = CatalogueColour(mode, surface, name, structure);
    colour.Set("colourName", colourName)
        .Set("red", std::to_string(r))
        .Set("green", std::to_string(g))
        .Set("blue", std::to_string(b));
    return colour;
}

XmlAttributes Wheel(XmlAttributes colour) {
    return colour.Set("wheel", "true");
}
XmlAttributes MixingBase(XmlAttributes colour) {
    return colour.Set("auxiliaryColourTable", "true");
}

// Mode "Homlokzat", surface "Vakolat" with three products: "Sima A" (plain chips), "Kerék B"
// (wheel colours and a blank one) and "Kever C" (a mixing base and a wheel colour); mode "Beltér"
// with surface "Fa" and product "Lazúr D".
std::string StoreCatalogue(const std::vector<XmlAttributes>& auxiliaryColours) {
    return testsupport::CatalogueDocument(
        {Colour("Homlokzat", "Vakolat", "Sima", "A", "Homok", 10, 20, 30),
         Colour("Homlokzat", "Vakolat", "Sima", "A", "Tégla", 200, 10, 10),
         Wheel(Colour("Homlokzat", "Vakolat", "Kerék", "B", "Piros", 255, 0, 0)),
         Colour("Homlokzat", "Vakolat", "Kerék", "B", "Zöld", 0, 255, 0),
         Colour("Homlokzat", "Vakolat", "Kerék", "B", "Üres", -1, -1, -1),
         Colour("Homlokzat", "Vakolat", "Kerék", "B", "Kék", 0, 0, 255),
         MixingBase(Colour("Homlokzat", "Vakolat", "Kever", "C", "Alap", 100, 100, 100)),
         Wheel(Colour("Homlokzat", "Vakolat", "Kever", "C", "Szürke", 50, 50, 50)),
         Colour("Beltér", "Fa", "Lazúr", "D", "Dió", 90, 60, 30)},
        auxiliaryColours);
}

std::vector<XmlAttributes> TintingTable() {
    return {AuxiliaryColour("Vörös", "250", "0", "0"), AuxiliaryColour("Fű", "0", "200", "0"),
            AuxiliaryColour("Ég", "0", "0", "250"), AuxiliaryColour("Vörös ikertestvér", "250", "0", "0")};
}

class StoreTest : public ::testing::Test {
protected:
    void Load(const std::vector<XmlAttributes>& auxiliaryColours = TintingTable()) {
        ASSERT_EQ(testsupport::LoadStoreFrom(store, folder, StoreCatalogue(auxiliaryColours)), 0);
        log.events.clear();
    }

    ColorEntity* Find(const std::string& colourName) const {
        for (const auto& colour : store.GetCatalogue()->colours) {
            if (colour->colourName.ToStdString() == colourName) {
                return colour.get();
            }
        }
        return nullptr;
    }

    testsupport::TempFolder folder;
    TNData store;
    StoreEventLog log{store};
};

TEST_F(StoreTest, StartsEmptyAndLoadSelectsTheFirstProductInFileOrder) {
    EXPECT_EQ(store.GetCatalogue(), nullptr);
    EXPECT_EQ(store.GetViewMode(), ViewModeChips);
    EXPECT_EQ(store.GetSelectedSlot(), 0);
    ASSERT_EQ(testsupport::LoadStoreFrom(store, folder, StoreCatalogue(TintingTable())), 0);
    EXPECT_EQ(store.GetMode().ToStdString(), "Homlokzat");
    EXPECT_EQ(store.GetSurface().ToStdString(), "Vakolat");
    EXPECT_EQ(store.GetProduct().ToStdString(), "Sima A");
    EXPECT_TRUE(store.IsLoaded());
    EXPECT_EQ(log.events, (Events{"ModeChanged", "ViewModeChanged(false)"}));
}

TEST_F(StoreTest, RefusedChangesChangeNothingAndFireNothing) {
    Load();
    ColorEntity* plain = Find("Homok");
    store.SetCurrentColour(nullptr);
    store.SetCurrentColour(Find("Alap")); // a mixing base of the catalogue
    store.SetChosenColour(5, plain);
    store.SetChosenColour(static_cast<std::uint32_t>(-1), plain);
    store.SetNearestColour(3, plain, true);
    store.SelectMode("homlokzat");
    store.SelectSurface("Fa"); // a surface, but of another mode
    store.SelectProduct("Sima  A");
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(store.GetCurrentColour(), nullptr);
    EXPECT_EQ(store.GetChosenColour(5), nullptr);
    EXPECT_EQ(store.GetNearestColour(3), nullptr);
    EXPECT_EQ(store.GetMode().ToStdString(), "Homlokzat");
    EXPECT_EQ(store.GetSurface().ToStdString(), "Vakolat");
    EXPECT_EQ(store.GetProduct().ToStdString(), "Sima A");
}

TEST_F(StoreTest, SlotsAndSelectionNotifyAsTheyChange) {
    Load();
    ColorEntity* plain = Find("Homok");
    store.SetCurrentColour(plain);
    store.SetChosenColour(4, plain);
    store.SetChosenColour(4, nullptr);
    store.SetNearestColour(1, plain, false);
    store.SetNearestColour(2, plain, true);
    store.SetSelectedSlot(-3); // stored without a range test
    EXPECT_EQ(store.GetCurrentColour(), plain);
    EXPECT_EQ(store.GetChosenColour(4), nullptr);
    EXPECT_EQ(store.GetNearestColour(1), plain);
    EXPECT_EQ(store.GetSelectedSlot(), -3);
    EXPECT_EQ(log.events, (Events{"CurrentColourChanged", "ChosenColourChanged(4)", "ChosenColourChanged(4)",
                                  "PickedColoursChanged", "SelectedSlotChanged"}));
}

TEST_F(StoreTest, NavigationTakesTheFirstSurfaceAndProduct) {
    Load();
    store.SelectMode("Beltér");
    EXPECT_EQ(store.GetSurface().ToStdString(), "Fa");
    EXPECT_EQ(store.GetProduct().ToStdString(), "Lazúr D");
    store.SelectMode("Homlokzat");
    store.SelectSurface("Vakolat");
    EXPECT_EQ(store.GetProduct().ToStdString(), "Sima A");
    store.SelectProduct("Kerék B");
    EXPECT_EQ(store.GetProduct().ToStdString(), "Kerék B");
    EXPECT_EQ(log.events, (Events{"ModeChanged", "ViewModeChanged(false)", "ModeChanged",
                                  "ViewModeChanged(false)", "SurfaceChanged", "ViewModeChanged(false)",
                                  "ProductChanged", "ViewModeChanged(true)"}));
}

TEST_F(StoreTest, ViewModeTogglesAndFallsBackToChips) {
    Load();
    store.ToggleViewMode(true); // "Sima A" offers nothing besides its chips
    EXPECT_EQ(store.GetViewMode(), ViewModeChips);
    store.SelectProduct("Kerék B");
    store.ToggleViewMode(true);
    EXPECT_EQ(store.GetViewMode(), ViewModeWheel);
    log.events.clear();

    store.SelectProduct("Sima A"); // no wheel colours: back to chips, one notification
    EXPECT_EQ(store.GetViewMode(), ViewModeChips);
    EXPECT_EQ(log.events, (Events{"ProductChanged", "ViewModeChanged(false)"}));

    store.SelectProduct("Kever C");
    store.ToggleViewMode(false); // mixing is preferred over the wheel
    EXPECT_EQ(store.GetViewMode(), ViewModeMixing);
    store.ToggleViewMode(true);
    EXPECT_EQ(store.GetViewMode(), ViewModeChips);
}

TEST_F(StoreTest, WheelGivesWayWhenTheProductHasAMixingBase) {
    Load();
    store.SelectProduct("Kerék B");
    store.ToggleViewMode(true);
    log.events.clear();
    store.SelectProduct("Kever C"); // wheel colours, but a mixing base too
    EXPECT_EQ(store.GetViewMode(), ViewModeChips);
    EXPECT_EQ(log.events, (Events{"ProductChanged", "ViewModeChanged(true)"}));
}

TEST_F(StoreTest, NotifyAllFiresEachNotificationOnceInOrder) {
    Load();
    store.NotifyAll();
    EXPECT_EQ(log.events,
              (Events{"ModeChanged", "CurrentColourChanged", "SelectedSlotChanged", "ChosenColourChanged(0)",
                      "ViewModeChanged(false)", "PickedColoursChanged"}));
}

TEST_F(StoreTest, NearestTintingColourPrefersTheFirstOfEqualOnes) {
    Load();
    const AuxiliaryColorEntity* red = store.FindNearestAuxiliaryColour({240, 10, 10, 255, 0});
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(red->colourName.ToStdString(), "Vörös");
    EXPECT_EQ(store.FindNearestAuxiliaryColour({0, 0, 200, 7, 0})->colourName.ToStdString(), "Ég");
}

TEST_F(StoreTest, MixedColourIsBuiltFromTheBaseAndTheNearestTintingColour) {
    Load();
    store.MixPickedColour({0, 190, 10, 255, 0}); // "Sima A" has no mixing base
    EXPECT_EQ(store.GetMixedColour(), nullptr);
    EXPECT_TRUE(log.events.empty());

    store.SelectProduct("Kever C");
    log.events.clear();
    store.MixPickedColour({0, 190, 10, 255, 0});
    const ColorEntity* mixed = store.GetMixedColour();
    ASSERT_NE(mixed, nullptr);
    const ColorEntity* base = Find("Alap");
    EXPECT_EQ(mixed->mode, base->mode);
    EXPECT_EQ(mixed->name, base->name);
    EXPECT_EQ(mixed->structure, base->structure);
    EXPECT_EQ(mixed->colourName.ToStdString(), "Fű");
    EXPECT_EQ(mixed->colour, (RgbaColour{0, 200, 0, 255, 0}));
    EXPECT_TRUE(mixed->hasAuxiliaryColour);
    EXPECT_EQ(mixed->auxiliaryColour, mixed->colour);
    EXPECT_TRUE(mixed->mixed);
    EXPECT_TRUE(mixed->auxiliaryColourTable);
    EXPECT_FALSE(mixed->wheel);
    EXPECT_EQ(log.events, (Events{"PickedColoursChanged"}));

    // Another product without a base leaves the mixed colour as it was.
    store.SelectProduct("Sima A");
    store.MixPickedColour({250, 0, 0, 255, 0});
    EXPECT_EQ(store.GetMixedColour(), mixed);
}

TEST_F(StoreTest, MixingWithoutTintingColoursDropsTheMixedColourAndSaysSo) {
    Load({});
    store.SelectProduct("Kever C");
    log.events.clear();
    store.MixPickedColour({1, 2, 3, 255, 0});
    EXPECT_EQ(store.GetMixedColour(), nullptr);
    EXPECT_EQ(log.events, (Events{"PickedColoursChanged"}));
}

TEST_F(StoreTest, AdoptingTheMixedColourAddsAnUnlistedCopyAndMakesItCurrent) {
    Load();
    store.AdoptMixedColour(); // nothing mixed yet
    EXPECT_EQ(store.GetCurrentColour(), nullptr);

    store.SelectProduct("Kever C");
    store.MixPickedColour({0, 0, 255, 255, 0});
    const std::size_t before = store.GetCatalogue()->colours.size();
    log.events.clear();
    store.AdoptMixedColour();
    ASSERT_EQ(store.GetCatalogue()->colours.size(), before + 1);
    ColorEntity* adopted = store.GetCatalogue()->colours.back().get();
    EXPECT_EQ(store.GetCurrentColour(), adopted);
    EXPECT_NE(adopted, store.GetMixedColour());
    EXPECT_TRUE(adopted->mode.IsEmpty());
    EXPECT_EQ(adopted->colourName.ToStdString(), "Ég");
    EXPECT_TRUE(adopted->mixed);
    EXPECT_EQ(log.events, (Events{"CurrentColourChanged"}));
    for (const ColorEntity* listed :
         store.GetCatalogue()->GetColours("Homlokzat", "Vakolat", "Kever C", true)) {
        EXPECT_NE(listed, adopted);
    }
}

TEST_F(StoreTest, MixedAndAdoptedColoursShareTheBasesTextureWithoutReadingItAgain) {
    folder.Write("alap.jpg", testsupport::MakeJpeg(16, 8, {90, 90, 90}));
    std::vector<XmlAttributes> colours = {
        MixingBase(Colour("Homlokzat", "Vakolat", "Kever", "C", "Alap", 100, 100, 100)).Set("texture", "alap.jpg")};
    ASSERT_EQ(testsupport::LoadStoreFrom(store, folder, testsupport::CatalogueDocument(colours, TintingTable())), 0);
    std::filesystem::remove(folder.GetPath() / "alap.jpg");
    const ColorEntity* base = Find("Alap");
    ASSERT_NE(base->textureImage, nullptr);

    store.MixPickedColour({0, 0, 255, 255, 0});
    const ColorEntity* mixed = store.GetMixedColour();
    ASSERT_NE(mixed, nullptr);
    EXPECT_EQ(mixed->textureImage, base->textureImage);
    EXPECT_EQ(mixed->textureData, base->textureData);
    EXPECT_FALSE(mixed->blank);
    store.AdoptMixedColour();
    EXPECT_EQ(store.GetCurrentColour()->textureImage, base->textureImage);
}

TEST_F(StoreTest, ReleasingTheCatalogueForgetsItsColoursAndAllowsAFreshLoad) {
    Load();
    store.SetCurrentColour(Find("Homok"));
    store.SetChosenColour(0, Find("Homok"));
    store.SetNearestColour(0, Find("Homok"), false);
    EXPECT_EQ(store.ReleaseCatalogue(), 0);
    EXPECT_EQ(store.GetCatalogue(), nullptr);
    EXPECT_EQ(store.GetCurrentColour(), nullptr);
    EXPECT_EQ(store.GetChosenColour(0), nullptr);
    EXPECT_EQ(store.GetNearestColour(0), nullptr);
    EXPECT_EQ(store.Load(), 0);
    ASSERT_NE(store.GetCatalogue(), nullptr);
    EXPECT_EQ(store.GetCatalogue()->colours.size(), 9u);
}

} // namespace
