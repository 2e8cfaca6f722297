// The menu command in the test's own process: the dialog it runs and the resource module around it.

#include "FakeHost.h"
#include "LoadedAddOn.h"

#include "host/DebugOutput.h"
#include "host/DialogDriver.h"
#include "host/MemoryHandle.h"
#include "host/ModalDialog.h"
#include "host/Resources.h"
#include "host/Toolkit.h"
#include "support/CatalogueXml.h"
#include "support/TempFolder.h"
#include "support/Display.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace host::addon;

namespace {

class MenuCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        TN_START_TOOLKIT();
        folder.Write("colours.xml", testsupport::CatalogueDocument(
                                        {testsupport::CatalogueColour("Beltér", "Fal", "Festék", "matt"),
                                         testsupport::CatalogueColour("Homlokzat", "Kő", "Bevonat", "")}));
        addOn.emplace(folder.GetPath());
        ASSERT_EQ(addOn->HandOver(host.Table().data()), 0);
        ASSERT_EQ(addOn->Initialize(&host), 0);
        ASSERT_NE(host.menuHandler, nullptr);
    }
    void TearDown() override {
        host::SetDialogOpenedHook({});
        if (addOn) {
            addOn->Release();
        }
    }

    testsupport::TempFolder folder;
    FakeHost host;
    std::optional<LoadedAddOn> addOn;
};

TEST_F(MenuCommandTest, RunsTheChooserWithTheAddOnsResourcesActiveAndRestoresThem) {
    int opened = 0;
    host::ResourceModule activeWhileOpen = host::NoResourceModule;
    std::vector<std::string> modes;
    host::SetDialogOpenedHook([&](host::ModalDialog& dialog) {
        ++opened;
        activeWhileOpen = host::GetActiveResourceModule();
        host::DialogDriver driver(dialog);
        modes = driver.GetItemState(4)->popUpItems;
        EXPECT_TRUE(driver.Click(1));
    });
    const host::ResourceModule before = host::UseResourceModule(host::NoResourceModule);

    const MenuParams params{32500, 1};
    EXPECT_EQ(host.menuHandler(&params), 0);

    EXPECT_EQ(host::GetActiveResourceModule(), host::NoResourceModule);
    host::UseResourceModule(before);
    EXPECT_EQ(opened, 1);
    EXPECT_NE(activeWhileOpen, host::NoResourceModule);
    EXPECT_EQ(modes, (std::vector<std::string>{"Beltér", "Homlokzat"}));
    // Accepted without an export: no texture folder for the host.
    EXPECT_TRUE(host.libraryFolders.empty());
}

TEST_F(MenuCommandTest, AChooserThatCannotBeMadeNeverUnwindsIntoTheHost) {
    std::string debugText;
    const host::DebugOutputSink before = host::SetDebugOutputSink([&](std::string_view text) { debugText += text; });
    host::SetDialogOpenedHook([](host::ModalDialog&) { throw host::OutOfMemory(); });
    const host::ResourceModule active = host::GetActiveResourceModule();

    const MenuParams params{32500, 1};
    EXPECT_EQ(host.menuHandler(&params), 0);

    host::SetDebugOutputSink(before);
    EXPECT_EQ(debugText, "The colour chooser could not run: out of memory\n");
    EXPECT_EQ(host::GetActiveResourceModule(), active);
    EXPECT_TRUE(host.libraryFolders.empty());
    // The next command opens the chooser as before.
    int opened = 0;
    host::SetDialogOpenedHook([&](host::ModalDialog& dialog) {
        ++opened;
        host::DialogDriver(dialog).Click(1);
    });
    EXPECT_EQ(host.menuHandler(&params), 0);
    EXPECT_EQ(opened, 1);
}

TEST_F(MenuCommandTest, OtherMenusOpenNothing) {
    int opened = 0;
    host::SetDialogOpenedHook([&](host::ModalDialog& dialog) {
        ++opened;
        host::DialogDriver(dialog).Click(1);
    });
    for (const std::int16_t id :
         {std::int16_t(0), std::int16_t(32499), std::int16_t(32520), std::int16_t(-1)}) {
        const MenuParams params{id, 1};
        EXPECT_EQ(host.menuHandler(&params), 0) << id;
    }
    EXPECT_EQ(opened, 0);
}

} // namespace
