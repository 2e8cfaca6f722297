// What the host receives after the dialog closes: materials, and the texture folder only after an
// accepted run whose export wrote textures; reopening shows the selection, list and view as left.

#include "HostRun.h"
#include "TestCatalogue.h"
#include "support/Display.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct ExportCase {
    const char* what;
    const char* script;
    int materials;
    int textured;
    bool accepted;
    int libraryFolderCalls;
};

void PrintTo(const ExportCase& c, std::ostream* out) {
    *out << c.what;
}

class ExportRunTest : public ::testing::TestWithParam<ExportCase> {};

TEST_P(ExportRunTest, TextureFolderGoesToTheHostOnlyAfterAnAcceptedExportWithTextures) {
    TN_REQUIRE_DISPLAY();
    const ExportCase& c = GetParam();
    const AddOnFolder addOn("");
    addOn.GetFolder().Write("colours.xml", SmallCatalogue(addOn.GetFolder()));
    const testsupport::TempFolder work;
    const HostRun run = RunHost(addOn, c.script, work);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const JsonValue& report = run.report;

    ASSERT_EQ(report["materials"].Size(), std::size_t(c.materials));
    int textured = 0;
    for (const JsonValue& material : report["materials"].items) {
        if (material["textureSwitch"].number == 2) {
            ++textured;
            EXPECT_TRUE(ReadBmpInfo(testsupport::Utf8Path(material["texture"].string)).has_value());
        }
    }
    EXPECT_EQ(textured, c.textured);
    EXPECT_EQ(report["alerts"].Size(), c.materials > 0 ? 1u : 0u);
    EXPECT_EQ(report["dialogRuns"][0]["accepted"].boolean, c.accepted);
    EXPECT_EQ(report["serviceCalls"]["AddLibraryFolder"].number, c.libraryFolderCalls);
    if (c.libraryFolderCalls > 0) {
        EXPECT_EQ(report["libraryFolders"].Strings(),
                  std::vector<std::string>{std::filesystem::canonical(addOn.GetTextureFolder()).string()});
    } else {
        EXPECT_EQ(report["libraryFolders"].Size(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportRunTest,
    ::testing::Values(
        ExportCase{"PlainColoursClosed", "menu\nproduct \"Festék matt\"\nchip 1\nadd\nexport\nclose\n", 1, 0,
                   true, 0},
        ExportCase{"TexturedCancelled", "menu\nproduct \"Vakolat kapart\"\nchip 0\nadd\nexport\ncancel\n", 1,
                   1, false, 0},
        ExportCase{"TexturedClosed",
                   "menu\nproduct \"Vakolat kapart\"\nchip 0\nadd\nslot 1\nchip 1\nadd\nexport\nclose\n", 2,
                   2, true, 1},
        ExportCase{"TextureOnlyClosed", "menu\nsurface \"Kő\"\nchip 0\nadd\nexport\nclose\n", 1, 1, true, 1},
        ExportCase{"TexturedNotExported", "menu\nproduct \"Vakolat kapart\"\nchip 0\nadd\nclose\n", 0, 0,
                   true, 0},
        ExportCase{"ExportedThenReopenedAndClosed",
                   "menu\nproduct \"Vakolat kapart\"\nchip 0\nadd\nexport\nclose\nmenu\nclose\n", 1, 1, true,
                   1}),
    [](const ::testing::TestParamInfo<ExportCase>& info) { return info.param.what; });

TEST(ReopenRunTest, ReopenedDialogShowsTheSameSelectionListAndView) {
    TN_REQUIRE_DISPLAY();
    const AddOnFolder addOn("");
    addOn.GetFolder().Write("colours.xml", SmallCatalogue(addOn.GetFolder()));
    const testsupport::TempFolder work;
    const HostRun run = RunHost(addOn,
                                "menu\n"
                                "product \"Vakolat kapart\"\nchip 1\nslot 3\nadd\n"
                                "product \"Festék matt\"\nchip 2\nslot 2\npicker\npick 214 90\npick 100 100\n"
                                "state first.json\nclose\n"
                                "menu\nstate second.json\ncancel\n",
                                work);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const JsonValue first = run.ReadJson("first.json");
    const JsonValue second = run.ReadJson("second.json");

    EXPECT_EQ(second["popups"]["product"]["selected"].string, "Festék matt");
    EXPECT_EQ(second["chips"]["current"].string, "Tarnova Festék matt Fekete");
    EXPECT_EQ(second["chips"]["slots"].Strings(),
              (std::vector<std::string>{"null", "null", "null", "Tarnova Vakolat kapart Barack", "null"}));
    EXPECT_EQ(second["chips"]["selectedSlot"].number, 2);
    EXPECT_TRUE(second["checks"]["picker"]["on"].boolean);
    EXPECT_TRUE(second["shown"]["picker"].boolean);
    for (const char* part : {"popups", "texts", "checks", "shown"}) {
        EXPECT_TRUE(first[part] == second[part]) << part;
    }
    for (const char* part : {"grid", "current", "slots", "selectedSlot"}) {
        EXPECT_TRUE(first["chips"][part] == second["chips"][part]) << part;
    }
}

} // namespace
