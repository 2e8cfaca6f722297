#include "ToolRun.h"

#include "support/CatalogueXml.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using testsupport::CatalogueColour;
using testsupport::RunCatalogueTool;
using testsupport::XmlAttributes;

XmlAttributes Good(const std::string& name) {
    return CatalogueColour("Kültér", "Vakolat", "Finom", "kapart").Set("colourName", name);
}

std::string Colour(const XmlAttributes& attributes) {
    return attributes.ToElement("colour");
}

std::string Setting(const std::string& name, const std::string& value) {
    return testsupport::Setting(name, value).ToElement("setting");
}

const std::string tint = testsupport::AuxiliaryColour("Kék", "0", "0", "255").ToElement("colour");

// One element a line: 1 <catalogue>, 2 <colours>, 3 a good colour, then `colours` from line 4 on,
// </colours>, <auxiliaryColours>, `tinting` (one line), </auxiliaryColours>, then `tail`.
std::vector<std::string> Catalogue(const std::vector<std::string>& colours,
                                   const std::vector<std::string>& tail = {},
                                   const std::string& tinting = tint) {
    std::vector<std::string> lines{"<catalogue>", "<colours>", Colour(Good("Alap"))};
    lines.insert(lines.end(), colours.begin(), colours.end());
    lines.insert(lines.end(), {"</colours>", "<auxiliaryColours>", tinting, "</auxiliaryColours>"});
    lines.insert(lines.end(), tail.begin(), tail.end());
    lines.push_back("</catalogue>");
    return lines;
}

// Without an XML declaration, so that line numbers are those of `lines`; UTF-8 is the default.
std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

struct Case {
    const char* name;
    std::vector<std::string> lines;
    // The finding: its line, its severity and its words.
    std::size_t line;
    const char* severity;
    const char* words;
    int status;
};

const std::string good = Colour(Good("Alap"));

const Case cases[] = {
    // The add-on refuses these.
    {"MissingAttribute", Catalogue({Colour(Good("B").Remove("name"))}), 4, "error", "no attribute \"name\"",
     1},
    {"AttributeMissingFromAStartTagOfTwoLines", Catalogue({"<colour mode=\"M\"", " surface=\"S\"/>"}), 4,
     "error", "no attribute \"name\"", 1},
    {"TwoColourLists",
     {"<catalogue>", "<colours>", good, "</colours>", "<colours/>", "<auxiliaryColours/>", "</catalogue>"},
     5,
     "error",
     "expected one <colours> element, found 2 (on lines 2, 5)",
     1},
    {"NoTintingTable",
     {"<catalogue>", "<colours>", good, "</colours>", "</catalogue>"},
     1,
     "error",
     "expected one <auxiliaryColours> element, found 0",
     1},
    {"ColoursAsDocumentElement",
     {"<colours>", good, "<auxiliaryColours/>", "</colours>"},
     1,
     "error",
     "the document element does not count",
     1},
    {"TintingTableInsideColours",
     {"<catalogue>", "<colours>", good, "<auxiliaryColours>", tint, "</auxiliaryColours>", "</colours>",
      "</catalogue>"},
     5,
     "error",
     "it lies inside <auxiliaryColours>",
     1},
    {"NotWellFormed", Catalogue({"<colour mode=\"M\">"}), 5, "error", "", 1},
    {"TexturePathWithAnEmptyPiece", Catalogue({Colour(Good("B").Set("texture", "a//b.jpg"))}), 4, "error",
     "has a piece that is no name", 1},
    {"SettingWithoutValue", Catalogue({}, {"<setting name=\"weblink\"/>"}), 8, "error",
     "no attribute \"value\"", 1},
    // Names are taken as written, prefix and all, as the add-on's parser takes them.
    {"PrefixedListName",
     {"<catalogue>", "<x:colours>", good, "</x:colours>", "<auxiliaryColours/>", "</catalogue>"},
     1,
     "error",
     "expected one <colours> element, found 0",
     1},
    {"NoColours",
     {"<catalogue>", "<colours>", "</colours>", "<auxiliaryColours/>", "</catalogue>"},
     2,
     "error",
     "the catalogue has no colours",
     1},
    // The add-on loads these, dropping or changing something on the way.
    {"UnreadableTexture", Catalogue({Colour(Good("B").Set("texture", "textures/nope.jpg"))}), 4, "warning",
     "texture \"textures/nope.jpg\" cannot be read", 0},
    {"UndecodableTexture", Catalogue({Colour(Good("B").Set("texture", "broken.jpg"))}), 4, "warning",
     "texture \"broken.jpg\" is no image it can decode", 0},
    {"BlankColour", Catalogue({Colour(Good("B").Set("red", "-1").Set("green", "-1").Set("blue", "-1"))}), 4,
     "warning", "colour \"Tarnova Finom kapart B\" is blank", 0},
    {"ProductOfBlankColours",
     Catalogue({Colour(
         CatalogueColour("Kültér", "Vakolat", "Durva", "kapart").Set("red", "-1").Set("texture", "x"))}),
     4, "warning", "product \"Durva kapart\" on surface \"Vakolat\" of mode \"Kültér\" has no colour to show",
     0},
    {"SurfacesDifferingInCase", Catalogue({Colour(CatalogueColour("Kültér", "vakolat", "Finom", "kapart"))}),
     4, "warning", "surface \"vakolat\" of mode \"Kültér\" differs from surface \"Vakolat\" on line 3", 0},
    {"ProductsDifferingInSpaces",
     Catalogue({Colour(CatalogueColour("Kültér", "Vakolat", "Finom ", "kapart"))}), 4, "warning",
     "product \"Finom  kapart\" on surface \"Vakolat\" of mode \"Kültér\" differs from product", 0},
    {"ModesDifferingInCase", Catalogue({Colour(CatalogueColour("KÜLTÉR", "Vakolat", "Finom", "kapart"))}), 4,
     "warning", "mode \"KÜLTÉR\" differs from mode \"Kültér\" on line 3 only in case or spaces", 0},
    {"OneProductFromTwoNames",
     Catalogue({Colour(CatalogueColour("Kültér", "Vakolat", "A B", "C")),
                Colour(CatalogueColour("Kültér", "Vakolat", "A", "B C"))}),
     5, "warning", "joins name \"A\" and structure \"B C\" with name \"A B\" and structure \"C\" of line 4",
     0},
    {"ColourTwiceInAProduct", Catalogue({Colour(Good("Alap"))}), 4, "warning", "is there already on line 3",
     0},
    {"MixingBaseWithoutTintingTable",
     {"<catalogue>", "<colours>", good, Colour(Good("Bázis").Set("auxiliaryColourTable", "true")),
      "</colours>", "<auxiliaryColours/>", "</catalogue>"},
     4,
     "warning",
     "the tinting table is empty",
     0},
    {"SecondMixingBase",
     Catalogue({Colour(Good("Bázis").Set("auxiliaryColourTable", "true")),
                Colour(Good("Másik").Set("auxiliaryColourTable", "TRUE"))}),
     5, "warning", "the product's base is the one on line 4", 0},
    {"UnknownSetting", Catalogue({}, {Setting("web link", "x")}), 8, "warning",
     "setting \"web link\" is ignored", 0},
    {"RepeatedSetting", Catalogue({}, {Setting("weblink", "a"), Setting("WebLink", "b")}), 8, "warning",
     "setting \"weblink\" is overridden by the one on line 9", 0},
    {"ColourAmountOfOne", Catalogue({}, {Setting("colourmixer.amountofcolour", "1.0")}), 8, "warning",
     "the colour amount becomes 0 of 255", 0},
    {"ColourAmountNoNumber", Catalogue({}, {Setting("colourmixer.amountofcolour", "60%")}), 8, "warning",
     "\"60%\" is not read as written", 0},
    {"LongText", Catalogue({Colour(Good("B").Set("description", std::string(300, 'x')))}), 4, "warning",
     "description is 300 bytes long: the add-on keeps 255", 0},
    {"LongSettingValue", Catalogue({}, {Setting("weblink", "https://" + std::string(260, 'w'))}), 8,
     "warning", "value is 268 bytes long", 0},
    {"NumberBeyondShort", Catalogue({Colour(Good("B").Set("red", "70000"))}), 4, "warning",
     "red=\"70000\" lies outside -32768 to 32767: the add-on reads 32767", 0},
    {"NumberWithATail", Catalogue({Colour(Good("B").Set("green", "12abc"))}), 4, "warning",
     "green=\"12abc\" is read up to the first character that is no digit, as 12", 0},
    {"NoNumber", Catalogue({Colour(Good("B").Set("ablue", "blue"))}), 4, "warning",
     "ablue=\"blue\" is no number: the add-on reads 0", 0},
    {"ChannelBeyondAByte", Catalogue({Colour(Good("B").Set("blue", "300"))}), 4, "warning",
     "so its solid colour is 10, 20, 44", 0},
    {"SingleMinusOne", Catalogue({Colour(Good("B").Set("agreen", "5").Set("ablue", "5"))}), 4, "warning",
     "ared, agreen, ablue -1, 5, 5: a single -1 leaves the colour without its second colour", 0},
    {"FlagNeitherTrueNorFalse", Catalogue({Colour(Good("B").Set("wheel", "yes"))}), 4, "warning",
     "wheel=\"yes\" counts as false", 0},
    {"TintingMinusOne",
     Catalogue({}, {}, testsupport::AuxiliaryColour("Fehér", "-1", "255", "255").ToElement("colour")), 6,
     "warning", "red -1 keeps its low 8 bits in the tinting table: 255", 0},
    {"ElementNameInOtherCase", Catalogue({Colour(Good("B")).replace(1, 6, "Colour")}), 4, "warning",
     "<Colour> is not read: element names are case-sensitive", 0},
    {"ColourOutsideTheLists", Catalogue({}, {Colour(Good("B"))}), 8, "warning",
     "<colour> outside <colours> and <auxiliaryColours> is not read", 0},
    {"AttributeNotRead", Catalogue({Colour(Good("B").Set("colorName", "B"))}), 4, "note",
     "attribute \"colorName\" of <colour> is not read", 0},
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

// Whether `report` has a finding on `line` of colours.xml of `severity` whose text holds `words`.
bool HasFinding(const std::string& report, std::size_t line, const std::string& severity,
                const std::string& words) {
    const std::string start = "colours.xml:" + std::to_string(line) + ": " + severity + ": ";
    std::istringstream lines(report);
    for (std::string finding; std::getline(lines, finding);) {
        const std::size_t at = finding.find(start);
        if (at != std::string::npos && finding.find(words, at + start.size()) != std::string::npos) {
            return true;
        }
    }
    return false;
}

class CatalogueCheck : public ::testing::TestWithParam<Case> {
protected:
    testsupport::ToolOutput Check(const std::vector<std::string>& lines) {
        folder.Write("colours.xml", Joined(lines));
        folder.Write("broken.jpg", std::string("no JPEG at all"));
        return RunCatalogueTool("--check " + testsupport::ShellQuoted(testsupport::Utf8String(folder.GetPath())));
    }

    testsupport::TempFolder folder;
};

TEST_P(CatalogueCheck, ReportsTheFindingOnItsLine) {
    const Case& c = GetParam();
    const testsupport::ToolOutput output = Check(c.lines);
    EXPECT_EQ(output.status, c.status) << output.text;
    EXPECT_TRUE(HasFinding(output.text, c.line, c.severity, c.words)) << output.text;
    if (c.status == 0) {
        EXPECT_EQ(output.text.find(": error:"), std::string::npos) << output.text;
        EXPECT_NE(output.text.find("the add-on loads"), std::string::npos) << output.text;
    } else {
        EXPECT_NE(output.text.find("the add-on refuses this catalogue"), std::string::npos) << output.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogues, CatalogueCheck, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// White space before a number and flags in other letter cases are read as written.
TEST_F(CatalogueCheck, FindsNothingInAGoodCatalogue) {
    const testsupport::ToolOutput output = Check(Catalogue(
        {Colour(Good("B").Set("red", " 12").Set("wheel", "TRUE").Set("auxiliaryColourTable", "False"))},
        {Setting("weblink", "https://tarnova.example"), Setting("colourmixer.amountofcolour", "0.6")}));
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.text,
              testsupport::Utf8String(folder.GetPath() / "colours.xml") +
                  ": the add-on loads 2 colours in 1 product and 1 tinting colour; 0 errors, "
                  "0 warnings, 0 notes\n");
}

TEST(SampleCatalogueCheck, LoadsWithItsOneBlankColour) {
    const std::string sample = TN_BINARY_DIR "/sample";
    std::ifstream in(sample + "/colours.xml");
    std::size_t blankLine = 0;
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (line.find("colourName=\"Egyedi árnyalat\"") != std::string::npos) {
            blankLine = number;
        }
    }
    ASSERT_NE(blankLine, 0u);
    const testsupport::ToolOutput output = RunCatalogueTool("--check " + testsupport::ShellQuoted(sample));
    EXPECT_EQ(output.status, 0);
    // The catalogue as the tool names it, in the system's spelling of the path.
    const std::string file = testsupport::Utf8String(std::filesystem::absolute(sample) / "colours.xml");
    const std::string expected = file + ":" + std::to_string(blankLine) +
                                 ": warning: colour \"Tarnova Dekorfesték homokhatású Egyedi árnyalat\" is "
                                 "blank: with neither a solid colour "
                                 "nor a texture image, no chip shows it\n" +
                                 file +
                                 ": the add-on loads 320 colours in 14 products and 52 tinting "
                                 "colours; 0 errors, 1 warning, "
                                 "0 notes\n";
    EXPECT_EQ(output.text, expected);
}

} // namespace
