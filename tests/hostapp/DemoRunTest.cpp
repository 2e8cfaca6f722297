// The bundled demo script on the sample catalogue, run through the host from start to end.

#include "HostRun.h"
#include "TestCatalogue.h"
#include "support/Display.h"

#include <gtest/gtest.h>

namespace {

TEST(DemoRunTest, WalksThroughTheChooserAndHandsTheHostFiveMaterials) {
    TN_REQUIRE_DISPLAY();
    const AddOnFolder addOn(AddOnFolder::SampleCatalogue{});
    const testsupport::TempFolder work;
    const HostRun run =
        RunHost(addOn, ReadFile(std::filesystem::path(TN_SOURCE_DIR) / "hostapp" / "demo.script"), work);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const JsonValue& report = run.report;

    EXPECT_EQ(report["addon"]["name"].string, "Tarnova Tintbook for Corvenna");
    EXPECT_EQ(report["addon"]["results"]["DescribeAddOn"].number, 2);
    EXPECT_EQ(report["addon"]["results"]["InitializeAddOn"].number, 0);
    EXPECT_EQ(report["menus"][0]["texts"].Strings(),
              (std::vector<std::string>{"Tarnova", "&Tarnova Színválasztó"}));

    // The list as the dialog showed it before the export, slot by slot, became the materials.
    const JsonValue list = run.ReadJson("06-list.json");
    const JsonValue& materials = report["materials"];
    ASSERT_EQ(materials.Size(), 5u);
    EXPECT_EQ(list["chips"]["slots"].Strings(),
              (std::vector<std::string>{materials[0]["name"].string, materials[1]["name"].string,
                                        materials[2]["name"].string, materials[3]["name"].string,
                                        materials[4]["name"].string}));
    const std::vector<int> switches = {1, 2, 2, 2, 1};
    const std::filesystem::path textureFolder = std::filesystem::canonical(addOn.GetTextureFolder());
    for (std::size_t i = 0; i < materials.Size(); ++i) {
        SCOPED_TRACE(materials[i]["name"].string);
        EXPECT_EQ(materials[i]["textureSwitch"].number, switches[i]);
        for (const JsonValue& channel : materials[i]["surface"].items) {
            EXPECT_GE(channel.number, 0.0);
            EXPECT_LE(channel.number, 1.0);
        }
        if (switches[i] == 1) {
            EXPECT_TRUE(materials[i]["texture"].IsNull());
            continue;
        }
        const std::filesystem::path texture = testsupport::Utf8Path(materials[i]["texture"].string);
        EXPECT_EQ(texture.parent_path(), textureFolder);
        const auto bmp = ReadBmpInfo(texture);
        ASSERT_TRUE(bmp.has_value());
        EXPECT_EQ(bmp->bitsPerPixel, 24);
    }
    EXPECT_EQ(report["libraryFolders"].Strings(), std::vector<std::string>{textureFolder.string()});
    EXPECT_EQ(report["serviceCalls"]["AddLibraryFolder"].number, 1);

    ASSERT_EQ(report["alerts"].Size(), 1u);
    EXPECT_EQ(report["alerts"][0]["type"].string, "information");
    EXPECT_EQ(report["alerts"][0]["title"].string, "Információ");
    EXPECT_EQ(report["alerts"][0]["buttons"].Strings(), std::vector<std::string>{"OK"});
    ASSERT_EQ(report["dialogRuns"].Size(), 2u);
    EXPECT_TRUE(report["dialogRuns"][0]["accepted"].boolean);
    EXPECT_FALSE(report["dialogRuns"][1]["accepted"].boolean);
    EXPECT_EQ(report["webLinks"].Strings(), std::vector<std::string>{"https://www.tarnova.example/szinek"});
    EXPECT_EQ(report["debug"].Size(), 0u);

    const JsonValue wheel = run.ReadJson("04-wheel.json");
    EXPECT_TRUE(wheel["shown"]["picker"].boolean);
    EXPECT_TRUE(wheel["shown"]["nearestChips"].boolean);
    EXPECT_FALSE(wheel["shown"]["chipArray"].boolean);
    EXPECT_EQ(wheel["chips"]["nearest"].Size(), 3u);

    for (const char* screenshot : {"01-opened.png", "02-metal-paints.png", "03-stone.png", "04-wheel.png",
                                   "05-mixing.png", "06-list.png", "07-reopened.png"}) {
        EXPECT_EQ(ReadPngSize(work.GetPath() / screenshot), std::make_pair(366u, 723u)) << screenshot;
    }
}

} // namespace
