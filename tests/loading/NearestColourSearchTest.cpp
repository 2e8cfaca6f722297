#include "catalogue/NearestColourSearch.h"
#include "catalogue/ColourLab.h"
#include "catalogue/TNData.h"
#include "support/CatalogueXml.h"
#include "support/ImageFiles.h"
#include "support/StoreEventLog.h"
#include "support/StoreLoading.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>

using testsupport::CatalogueColour;
using testsupport::XmlAttributes;

namespace {

XmlAttributes Colour(const std::string& product, const std::string& colourName, int r, int g, int b) {
    XmlAttributes colour = CatalogueColour("M", "S", product, "x");
    return colour.Set("colourName", colourName)
        .Set("red", std::to_string(r))
        .Set("green", std::to_string(g))
        .Set("blue", std::to_string(b));
}

class NearestColourSearch : public ::testing::Test {
protected:
    void Load(const std::vector<XmlAttributes>& colours) {
        folder.Write("t.jpg", testsupport::MakeJpeg(8, 8, {90, 90, 90, 255, 0}));
        ASSERT_EQ(testsupport::LoadStoreFrom(store, folder, testsupport::CatalogueDocument(colours)), 0);
        log.events.clear();
    }
    std::string Nearest(std::uint32_t slot) const {
        const ColorEntity* colour = store.GetNearestColour(slot);
        return colour ? colour->colourName.ToStdString() : "-";
    }

    testsupport::TempFolder folder;
    TNData store;
    testsupport::StoreEventLog log{store};
};

TEST_F(NearestColourSearch, OrdersTheProductsColoursByDistance) {
    Load({Colour("P", "kék", 0, 0, 250), Colour("P", "bordó", 200, 30, 30), Colour("P", "piros", 250, 0, 0),
          Colour("P", "meggy", 235, 12, 12), Colour("Q", "másik termék", 250, 0, 0)});
    ProposeNearestColours(store, LabOf({250, 0, 0, 255, 0}));
    EXPECT_EQ(Nearest(0), "piros");
    EXPECT_EQ(Nearest(1), "meggy");
    EXPECT_EQ(Nearest(2), "bordó");
    EXPECT_EQ(log.events, (std::vector<std::string>{"PickedColoursChanged"}));
}

TEST_F(NearestColourSearch, FewerCandidatesWriteFewerSlotsAndNotifyOnTheLast) {
    XmlAttributes textureOnly = Colour("P", "csak textúra", -1, -1, -1);
    textureOnly.Set("texture", "t.jpg");
    Load({Colour("P", "kék", 0, 0, 255), textureOnly, Colour("P", "zöld", 0, 255, 0),
          Colour("P", "üres", -1, -1, -1)});
    ColorEntity* keep = store.GetCatalogue()->colours.front().get();
    store.SetNearestColour(2, keep, false);
    ProposeNearestColours(store, LabOf({0, 250, 0, 255, 0}));
    EXPECT_EQ(Nearest(0), "zöld");
    EXPECT_EQ(Nearest(1), "kék");
    EXPECT_EQ(store.GetNearestColour(2), keep);
    EXPECT_EQ(log.events, (std::vector<std::string>{"PickedColoursChanged"}));
}

TEST_F(NearestColourSearch, ProductWithoutSolidColoursWritesAndAnnouncesNothing) {
    Load({Colour("P", "üres", -1, -1, -1)});
    ProposeNearestColours(store, LabOf({1, 2, 3, 255, 0}));
    EXPECT_EQ(store.GetNearestColour(0), nullptr);
    EXPECT_TRUE(log.events.empty());
}

TEST_F(NearestColourSearch, MixedColoursAreNeverProposed) {
    XmlAttributes base = Colour("P", "alap", 100, 100, 100);
    base.Set("auxiliaryColourTable", "true");
    Load({base, Colour("P", "távoli", 0, 0, 255)});
    store.AdoptMixedColour();
    // A colour of the product's own strings, exactly at the picked colour, but mixed.
    store.GetCatalogue()->AddColour(std::make_unique<ColorEntity>(
        "M", "S", "P", "", "x", "kevert", 250, 0, 0, host::FileLocation(), true, "", 250, 0, 0, false, true));
    ProposeNearestColours(store, LabOf({250, 0, 0, 255, 0}));
    const std::set<std::string> proposed{Nearest(0), Nearest(1)};
    EXPECT_EQ(proposed, (std::set<std::string>{"alap", "távoli"}));
    EXPECT_EQ(store.GetNearestColour(2), nullptr);
}

} // namespace
