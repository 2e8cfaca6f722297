#include "ToolRun.h"

#include "support/CatalogueXml.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testsupport::RunCatalogueTool;
using Output = testsupport::ToolOutput;

class CatalogueDump : public ::testing::Test {
protected:
    void SetUp() override {
        using testsupport::CatalogueColour;
        auto colour = [](const std::string& name, const std::string& r, const std::string& g,
                         const std::string& b) {
            testsupport::XmlAttributes c = CatalogueColour("Kültér", "Vakolat", "Finom", "kapart");
            return c.Set("colourName", name).Set("red", r).Set("green", g).Set("blue", b);
        };
        folder.Write("colours.xml",
                     testsupport::CatalogueDocument(
                         {colour("Alap", "250", "250", "250").Set("auxiliaryColourTable", "true"),
                          colour("Piros", "220", "20", "20"), colour("Kék", "20", "20", "220"),
                          colour("Zöld", "20", "200", "20")},
                         {testsupport::AuxiliaryColour("Tiszta kék", "0", "0", "255")},
                         {testsupport::Setting("weblink", "https://tarnova.example")}));
    }
    std::string Folder() const { return testsupport::ShellQuoted(testsupport::Utf8String(folder.GetPath())); }

    testsupport::TempFolder folder;
};

TEST_F(CatalogueDump, PrintsWhatTheChooserOffers) {
    const Output output = RunCatalogueTool(Folder());
    EXPECT_EQ(output.status, 0) << output.text;
    EXPECT_NE(output.text.find("product \"Finom kapart\": 4 colours, 0 blank, mixing"), std::string::npos);
    EXPECT_NE(output.text.find("web link: \"https://tarnova.example\""), std::string::npos);
}

TEST_F(CatalogueDump, ListsNearestAndMixedColoursOfAProduct) {
    const Output nearest = RunCatalogueTool(Folder() + " --nearest Kültér Vakolat " + testsupport::ShellQuoted("Finom kapart") + " 10 10 230");
    EXPECT_EQ(nearest.status, 0) << nearest.text;
    EXPECT_NE(nearest.text.find("1. Tarnova Finom kapart Kék"), std::string::npos) << nearest.text;
    const Output mixed = RunCatalogueTool(Folder() + " --mix Kültér Vakolat " + testsupport::ShellQuoted("Finom kapart") + " 10 10 230");
    EXPECT_EQ(mixed.status, 0) << mixed.text;
    EXPECT_NE(mixed.text.find("Tarnova Finom kapart Tiszta kék  rgb 0, 0, 255"), std::string::npos)
        << mixed.text;
}

TEST_F(CatalogueDump, RefusesWhatItCannotDo) {
    EXPECT_EQ(RunCatalogueTool(Folder() + " --colours Kültér Vakolat Nincs").status, 1);
    EXPECT_EQ(RunCatalogueTool(Folder() + " --nearest Kültér Vakolat " + testsupport::ShellQuoted("Finom kapart") + " 10 10 256").status, 2);
    EXPECT_EQ(RunCatalogueTool(Folder() + " --bogus").status, 2);
    folder.Write("colours.xml", std::string("<catalogue><colours/></catalogue>"));
    const Output broken = RunCatalogueTool(Folder());
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.text.find("auxiliaryColours"), std::string::npos) << broken.text;
}

} // namespace
