// Runs that meet a broken catalogue or a script line that cannot be carried out.

#include "HostRun.h"
#include "TestCatalogue.h"
#include "support/Display.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CatalogueCase {
    const char* what;
    const char* catalogue; // nullptr: no colours.xml at all
    bool folderInstead;    // colours.xml is a folder
};

void PrintTo(const CatalogueCase& c, std::ostream* out) {
    *out << c.what;
}

class BrokenCatalogueTest : public ::testing::TestWithParam<CatalogueCase> {};

TEST_P(BrokenCatalogueTest, InitialisationSucceedsAndTheDialogOpensEmpty) {
    TN_REQUIRE_DISPLAY();
    const CatalogueCase& c = GetParam();
    const AddOnFolder addOn("");
    if (c.catalogue != nullptr) {
        addOn.GetFolder().Write("colours.xml", std::string(c.catalogue));
    }
    if (c.folderInstead) {
        std::filesystem::create_directory(addOn.GetPath() / "colours.xml");
    }
    const testsupport::TempFolder work;
    const HostRun run =
        RunHost(addOn, "menu\nstate empty.json\nchip 0\nclose\n", work); // there is no chip to click
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("line 3: there is no chip 0 in the grid (it shows 0)"), std::string::npos)
        << run.output;
    EXPECT_EQ(run.report["addon"]["results"]["InitializeAddOn"].number, 0);

    const HostRun buttons = RunHost(addOn, "menu\nadd\nremove\nexport\nweblink\nslot 4\nclose\n", work);
    EXPECT_EQ(buttons.exitCode, 0) << buttons.output;
    EXPECT_EQ(buttons.report["materials"].Size(), 0u);
    EXPECT_EQ(buttons.report["alerts"].Size(), 0u);
    EXPECT_EQ(buttons.report["webLinks"].Size(), 0u);
    EXPECT_TRUE(buttons.report["dialogRuns"][0]["accepted"].boolean);
    EXPECT_EQ(buttons.report["serviceCalls"]["AddLibraryFolder"].number, 0);

    const JsonValue state = run.ReadJson("empty.json");
    for (const char* popup : {"mode", "surface", "product"}) {
        EXPECT_EQ(state["popups"][popup]["items"].Size(), 0u) << popup;
        EXPECT_TRUE(state["popups"][popup]["selected"].IsNull()) << popup;
    }
    EXPECT_EQ(state["chips"]["grid"].Size(), 0u);
    EXPECT_TRUE(state["chips"]["current"].IsNull());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenCatalogueTest,
    ::testing::Values(CatalogueCase{"Missing", nullptr, false}, CatalogueCase{"Empty", "", false},
                      CatalogueCase{"NotXml", "\x01\x02 this is no catalogue \xff", false},
                      CatalogueCase{"Truncated",
                                    "<?xml version=\"1.0\"?>\n<catalogue><colours><colour mode=\"A", false},
                      CatalogueCase{"NoColours", "<?xml version=\"1.0\"?>\n<catalogue/>\n", false},
                      CatalogueCase{"Folder", nullptr, true}),
    [](const ::testing::TestParamInfo<CatalogueCase>& info) { return info.param.what; });

struct ScriptCase {
    const char* what;
    const char* script;
    const char* message; // what the host's message says, after "line N: "
    bool started;        // the host loaded the add-on before the line failed
};

void PrintTo(const ScriptCase& c, std::ostream* out) {
    *out << c.what;
}

class ScriptFailureTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptFailureTest, StopsAtTheLineWithAMessageAndShutsDownCleanly) {
    const ScriptCase& c = GetParam();
    if (c.started && !testsupport::DisplayGiven()) {
        GTEST_SKIP() << "no display";
    }
    const AddOnFolder addOn("");
    addOn.GetFolder().Write("colours.xml", SmallCatalogue(addOn.GetFolder()));
    const testsupport::TempFolder work;
    const HostRun run = RunHost(addOn, c.script, work);

    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    if (!c.started) {
        EXPECT_TRUE(run.report.IsNull());
        return;
    }
    // The host still ends as it should: an open dialog is cancelled, the add-on released once.
    EXPECT_TRUE(run.report["addon"]["unloaded"].boolean);
    for (const JsonValue& dialogRun : run.report["dialogRuns"].items) {
        EXPECT_TRUE(dialogRun["closed"].boolean);
    }
    EXPECT_EQ(run.report["serviceCalls"]["AddLibraryFolder"].number, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptFailureTest,
    ::testing::Values(
        ScriptCase{"UnknownCommand", "menu\nfrobnicate\nclose\n", "line 2: unknown command \"frobnicate\"",
                   false},
        ScriptCase{"OpenQuote", "menu\nmode \"Homlokzat\nclose\n", "line 2: a quoted text is not closed",
                   false},
        ScriptCase{"MissingArgument", "menu\nchip\nclose\n", "line 2: usage: chip N", false},
        ScriptCase{"NoNumber", "menu\npick 1 x\nclose\n", "line 2: \"x\" is no whole number", false},
        ScriptCase{"DialogCommandOutside", "# a comment\n\nadd\n", "line 3: \"add\" needs the open dialog",
                   false},
        ScriptCase{"HostCommandInside", "menu\nunload\nclose\n", "line 2: \"unload\" cannot be done while",
                   false},
        ScriptCase{"NeverClosed", "menu\nadd\n", "line 1: the dialog opened here is never closed", false},
        ScriptCase{"NoSuchPopupItem", "menu\nproduct \"Festék fényes\"\nclose\n",
                   "line 2: the product popup has no item \"Festék fényes\"", true},
        ScriptCase{"NoSuchChip", "menu\nchip 3\nclose\n",
                   "line 2: there is no chip 3 in the grid (it shows 3)", true},
        ScriptCase{"NoSuchSlot", "menu\nslot 5\nclose\n", "line 2: there is no slot chip 5", true},
        ScriptCase{"PickerNotShown", "menu\npick 10 10\nclose\n", "line 2: \"picker\" is not shown", true},
        ScriptCase{"MixedChipNotShown", "menu\nmixed\nclose\n", "line 2: \"mixedChip\" is not shown", true},
        ScriptCase{"DisabledPushCheck", "menu\nsurface \"Kő\"\npicker\nclose\n",
                   "line 3: \"picker\" cannot be clicked", true},
        ScriptCase{"UnwritableScreenshot", "menu\nscreenshot test.script/shot.png\nclose\n",
                   "line 2: the screenshot cannot be written", true},
        ScriptCase{"ReleasedTwice", "release\nrelease\n", "line 2: the add-on has already been released",
                   true},
        ScriptCase{"MenuAfterRelease", "release\nmenu\nclose\n", "line 2: the add-on has been released",
                   true},
        ScriptCase{"MenuAfterUnload", "unload\nmenu\nclose\n", "line 2: the add-on is not loaded", true}),
    [](const ::testing::TestParamInfo<ScriptCase>& info) { return info.param.what; });

struct ShutdownCase {
    const char* what;
    const char* script;
    bool abnormal;
    bool quitNotified;
};

void PrintTo(const ShutdownCase& c, std::ostream* out) {
    *out << c.what;
}

class ShutdownRunTest : public ::testing::TestWithParam<ShutdownCase> {};

TEST_P(ShutdownRunTest, UnloadingWithoutReleaseIsReportedOnce) {
    const ShutdownCase& c = GetParam();
    if (std::string(c.script).find("menu") != std::string::npos && !testsupport::DisplayGiven()) {
        GTEST_SKIP() << "no display";
    }
    const AddOnFolder addOn("");
    addOn.GetFolder().Write("colours.xml", SmallCatalogue(addOn.GetFolder()));
    const testsupport::TempFolder work;
    const HostRun run = RunHost(addOn, c.script, work);
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const std::string library = std::filesystem::canonical(addOn.GetLibrary()).string();
    const std::vector<std::string> expected =
        c.abnormal ? std::vector<std::string>{"Abnormal add-on termination (\"" + library + "\")"}
                   : std::vector<std::string>{};
    EXPECT_EQ(run.report["debug"].Strings(), expected);
    EXPECT_EQ(run.report["addon"]["results"]["ReleaseAddOn"].IsNull(), c.abnormal);
    EXPECT_EQ(run.report["notifications"].Size(), c.quitNotified ? 1u : 0u);
    EXPECT_TRUE(run.report["addon"]["unloaded"].boolean);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShutdownRunTest,
    ::testing::Values(ShutdownCase{"UnloadWithoutRelease", "unload\n", true, false},
                      ShutdownCase{"UnloadAfterDialog", "menu\nclose\nunload\n", true, false},
                      ShutdownCase{"ReleaseThenUnload", "release\nunload\n", false, false},
                      ShutdownCase{"HostQuits", "", false, true}),
    [](const ::testing::TestParamInfo<ShutdownCase>& info) { return info.param.what; });

} // namespace
