#include "catalogue/TNData.h"
#include "catalogue/TNResult.h"
#include "host/AddOnInterface.h"
#include "host/Windows.h"
#include "loading/ModuleLocation.h"
#include "loading/Palette.h"
#include "support/CatalogueXml.h"
#include "support/StoreEventLog.h"
#include "support/StoreLoading.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::CatalogueColour;
using testsupport::CatalogueDocument;
using testsupport::LoadStoreFrom;

namespace {

namespace fs = std::filesystem;

class LoadingSequence : public ::testing::Test {
protected:
    testsupport::TempFolder folder;
    TNData store;
    testsupport::StoreEventLog log{store};
};

TEST_F(LoadingSequence, CreatesTheTextureFolderAndSelectsTheFirstProduct) {
    const std::string xml =
        CatalogueDocument({CatalogueColour("A", "S", "N", "T"), CatalogueColour("B", "S", "X", "Y"),
                           CatalogueColour("A", "R", "N", "U")});
    ASSERT_EQ(LoadStoreFrom(store, folder, xml), 0);
    EXPECT_TRUE(fs::is_directory(folder.GetPath() / "Tarnova anyagok"));
    EXPECT_EQ(textureLibraryFolder, folder.GetLocation("Tarnova anyagok"));
    EXPECT_EQ(store.GetMode().ToStdString(), "A");
    EXPECT_EQ(store.GetSurface().ToStdString(), "S");
    EXPECT_EQ(store.GetProduct().ToStdString(), "N T");
    EXPECT_EQ(log.events, (std::vector<std::string>{"ModeChanged", "ViewModeChanged(false)"}));
    EXPECT_EQ(uiFont.family.ToStdString(), "Tahoma");
    EXPECT_EQ(uiFont.size, 9.0);
}

TEST_F(LoadingSequence, KeepsAnExistingTextureFolderAsItIs) {
    folder.Write("Tarnova anyagok/korábbi.bmp", std::string("BM"));
    ASSERT_EQ(LoadStoreFrom(store, folder, CatalogueDocument({CatalogueColour("A", "S", "N", "T")})), 0);
    EXPECT_TRUE(fs::exists(folder.GetPath() / testsupport::Utf8Path("Tarnova anyagok/korábbi.bmp")));
}

TEST_F(LoadingSequence, SecondLoadAfterSuccessDoesNothing) {
    ASSERT_EQ(LoadStoreFrom(store, folder, CatalogueDocument({CatalogueColour("A", "S", "N", "T")})), 0);
    const TNPersistentData* catalogue = store.GetCatalogue();
    folder.Write("colours.xml", std::string("broken"));
    log.events.clear();
    EXPECT_EQ(store.Load(), 0);
    EXPECT_EQ(store.GetCatalogue(), catalogue);
    EXPECT_TRUE(log.events.empty());
}

TEST_F(LoadingSequence, MissingCatalogueFileLeavesAnEmptyCatalogue) {
    EXPECT_EQ(LoadStoreFrom(store, folder, ""), TNErrCannotRead);
    ASSERT_NE(store.GetCatalogue(), nullptr);
    EXPECT_TRUE(store.GetCatalogue()->colours.empty());
    EXPECT_TRUE(store.GetMode().IsEmpty());
    EXPECT_FALSE(store.IsLoaded());
    EXPECT_TRUE(log.events.empty());
}

TEST_F(LoadingSequence, BrokenCatalogueKeepsWhatWasReadAndLoadsOnceRepaired) {
    // The colours are read, then the missing tinting table fails the load.
    const std::string broken =
        "<c><colours>" + CatalogueColour("A", "S", "N", "T").ToElement("colour") + "</colours></c>";
    EXPECT_EQ(LoadStoreFrom(store, folder, broken), TNErrCannotRead);
    ASSERT_NE(store.GetCatalogue(), nullptr);
    EXPECT_EQ(store.GetCatalogue()->colours.size(), 1u);
    EXPECT_TRUE(store.GetMode().IsEmpty());
    EXPECT_FALSE(store.IsLoaded());

    EXPECT_EQ(LoadStoreFrom(store, folder, CatalogueDocument({CatalogueColour("A", "S", "N", "T")})), 0);
    EXPECT_TRUE(store.IsLoaded());
}

TEST_F(LoadingSequence, CatalogueWithoutColoursHasNoMode) {
    EXPECT_EQ(LoadStoreFrom(store, folder, CatalogueDocument({})), TNErrCannotRead);
    EXPECT_TRUE(store.GetMode().IsEmpty());
}

TEST_F(LoadingSequence, DataFolderThatCannotBeFormedFailsWithTheFileLibrarysCode) {
    SetModulePath("");
    host::FileLocation own;
    EXPECT_EQ(GetOwnLocation(own), host::addon::ErrBadLocation);
    EXPECT_TRUE(own.IsEmpty());
    const host::Result result = store.Load();
    EXPECT_NE(result, 0);
    EXPECT_NE(result, TNErrCannotRead);
    ASSERT_NE(store.GetCatalogue(), nullptr); // never a missing catalogue for the dialog
    EXPECT_TRUE(store.GetCatalogue()->colours.empty());
}

TEST_F(LoadingSequence, TextureMissingOrAbsentStillLoads) {
    testsupport::XmlAttributes withColour = CatalogueColour("A", "S", "N", "T");
    withColour.Set("texture", "nincs/ilyen.jpg");
    testsupport::XmlAttributes withNothing = CatalogueColour("A", "S", "N", "T");
    withNothing.Set("texture", "nincs/ilyen.jpg").Set("red", "-1");
    ASSERT_EQ(LoadStoreFrom(store, folder, CatalogueDocument({withColour, withNothing})), 0);
    const auto& colours = store.GetCatalogue()->colours;
    EXPECT_EQ(colours[0]->textureImage, nullptr);
    EXPECT_FALSE(colours[0]->blank);
    EXPECT_TRUE(colours[1]->blank);
}

TEST_F(LoadingSequence, PaletteTakesTheButtonFaceWithRedInTheLowByte) {
    ASSERT_TRUE(host::OverrideSystemColour(host::ButtonFaceColour, 224u | (208u << 8) | (192u << 16)));
    LoadStoreFrom(store, folder, CatalogueDocument({CatalogueColour("A", "S", "N", "T")}));
    host::DropSystemColourOverrides();
    EXPECT_EQ(paletteBackground, (RgbaColour{224, 208, 192, 255, 0}));
    EXPECT_EQ(paletteSelectionOuter, (RgbaColour{49, 106, 197, 255, 0}));
    EXPECT_EQ(paletteTooltipBack, (RgbaColour{255, 255, 225, 255, 0}));
}

} // namespace
