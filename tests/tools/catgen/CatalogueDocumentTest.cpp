#include "tools/catgen/CatalogueDocument.h"
#include "CatalogueReader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(EscapeAttribute, EscapesMarkupAndQuotes) {
    EXPECT_EQ(EscapeAttribute("Fa & fém <kül> \"A\" 'B'"), "Fa &amp; fém &lt;kül&gt; &quot;A&quot; 'B'");
    EXPECT_EQ(EscapeAttribute("&amp;"), "&amp;amp;");
    EXPECT_EQ(EscapeAttribute(""), "");
}

TEST(EscapeAttribute, KeepsWhiteSpaceThroughNormalisation) {
    EXPECT_EQ(EscapeAttribute("a\tb\nc\rd"), "a&#9;b&#10;c&#13;d");
}

TEST(EscapeAttribute, RefusesCharactersXmlCannotCarry) {
    EXPECT_THROW(EscapeAttribute(std::string("a\x01") + "b"), std::invalid_argument);
    EXPECT_THROW(EscapeAttribute(std::string(1, '\0')), std::invalid_argument);
}

TEST(CatalogueDocument, ValuesSurviveAReadBack) {
    const std::string awkward = "Fa & fém <kül> \"A\" 'B'\tő ű É\n";
    CatalogueDocument document;
    CatalogueColour colour;
    colour.mode = "Beltér";
    colour.surface = awkward;
    colour.name = "Név";
    colour.description = "";
    colour.structure = "matt";
    colour.colourName = "Szín";
    colour.red = 0;
    colour.green = 128;
    colour.blue = 255;
    colour.texture = "textures\\a b.jpg";
    colour.wheel = true;
    colour.remarks = awkward;
    colour.auxiliaryColourTable = true;
    document.AddColour(colour);
    document.AddAuxiliaryColour({awkward, -1, 7, 300});
    document.AddSetting("weblink", "https://x.example/?a=1&b=2");

    testsupport::TempFolder folder;
    folder.Write("colours.xml", document.ToXml());
    const ReadCatalogue read = ReadCatalogueFile(folder.GetPath() / "colours.xml");

    ASSERT_EQ(read.colours.size(), 1u);
    const auto& c = read.colours[0];
    EXPECT_EQ(c.size(), 16u);
    EXPECT_EQ(c.at("mode"), "Beltér");
    EXPECT_EQ(c.at("surface"), awkward);
    EXPECT_EQ(c.at("description"), "");
    EXPECT_EQ(c.at("remarks"), awkward);
    EXPECT_EQ(c.at("red"), "0");
    EXPECT_EQ(c.at("green"), "128");
    EXPECT_EQ(c.at("blue"), "255");
    EXPECT_EQ(c.at("texture"), "textures\\a b.jpg");
    EXPECT_EQ(c.at("wheel"), "true");
    EXPECT_EQ(c.at("ared"), "-1");
    EXPECT_EQ(c.at("auxiliaryColourTable"), "true");
    ASSERT_EQ(read.auxiliaryColours.size(), 1u);
    EXPECT_EQ(read.auxiliaryColours[0].at("colourName"), awkward);
    EXPECT_EQ(read.auxiliaryColours[0].at("red"), "-1");
    EXPECT_EQ(read.auxiliaryColours[0].at("blue"), "300");
    ASSERT_EQ(read.settings.size(), 1u);
    EXPECT_EQ(read.settings[0].second, "https://x.example/?a=1&b=2");
}

} // namespace
