#include "loading/CatalogueParser.h"
#include "catalogue/ImageFileTypes.h"
#include "catalogue/TNPersistentData.h"
#include "loading/ColourAmount.h"

#include "support/CatalogueXml.h"
#include "support/ImageFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::AuxiliaryColour;
using testsupport::CatalogueColour;
using testsupport::CatalogueDocument;
using testsupport::Setting;
using testsupport::XmlAttributes;

std::vector<std::string> Values(const host::StringSet& set) {
    std::vector<std::string> values;
    for (const host::UniString& value : set) {
        values.push_back(value.ToStdString());
    }
    return values;
}

std::string PathOf(const host::FileLocation& location) {
    host::UniString path;
    location.GetPathString(path);
    return path.ToStdString();
}

class CatalogueParser : public ::testing::Test {
protected:
    void SetUp() override {
        colourAmount = 153;
        LookUpImageFileTypes();
    }

    // Writes colours.xml and parses it into `catalogue`.
    bool Load(const std::string& document) {
        folder.Write("colours.xml", document);
        return ParseCatalogueFile(catalogue, folder.GetLocation("colours.xml"), &problem);
    }

    // A document with one valid colour wrapped in `before` and `after` around the two lists.
    static std::string Wrapped(const std::string& body) {
        return "<?xml version=\"1.0\"?>\n<catalogue>" + body + "</catalogue>";
    }

    const ColorEntity& Colour(std::size_t index) const { return *catalogue.colours.at(index); }

    testsupport::TempFolder folder;
    TNPersistentData catalogue;
    std::string problem;
};

TEST_F(CatalogueParser, NoCatalogueFileIsAnEmptyCatalogue) {
    catalogue.largestGroup = 7;
    EXPECT_TRUE(ParseCatalogueFile(catalogue, folder.GetLocation("colours.xml")));
    EXPECT_TRUE(catalogue.colours.empty());
    EXPECT_TRUE(catalogue.modes.IsEmpty());
    EXPECT_EQ(catalogue.largestGroup, 0);
}

TEST_F(CatalogueParser, AFolderInPlaceOfTheFileIsAnEmptyCatalogue) {
    std::filesystem::create_directory(folder.GetPath() / "colours.xml");
    EXPECT_TRUE(ParseCatalogueFile(catalogue, folder.GetLocation("colours.xml")));
    EXPECT_TRUE(catalogue.colours.empty());
}

TEST_F(CatalogueParser, ReadsEveryAttributeOfAColour) {
    XmlAttributes colour = CatalogueColour("Belső", "Fal", "Prima", "Matt");
    colour.Set("description", "  Leírás <&> ").Set("colourName", "Hóvirág").Set("red", "12");
    colour.Set("green", "200").Set("blue", "7").Set("wheel", "true").Set("remarks", "megjegyzés");
    colour.Set("ared", "1").Set("agreen", "2").Set("ablue", "3").Set("auxiliaryColourTable", "TRUE");
    ASSERT_TRUE(Load(CatalogueDocument({colour}))) << problem;
    ASSERT_EQ(catalogue.colours.size(), 1u);
    const ColorEntity& c = Colour(0);
    EXPECT_EQ(c.mode.ToStdString(), "Belső");
    EXPECT_EQ(c.surface.ToStdString(), "Fal");
    EXPECT_EQ(c.name.ToStdString(), "Prima");
    EXPECT_EQ(c.description.ToStdString(), "  Leírás <&> ");
    EXPECT_EQ(c.structure.ToStdString(), "Matt");
    EXPECT_EQ(c.colourName.ToStdString(), "Hóvirág");
    EXPECT_TRUE(c.hasColour);
    EXPECT_EQ(c.colour, (RgbaColour{12, 200, 7, 255, 0}));
    EXPECT_TRUE(c.wheel);
    EXPECT_EQ(c.remarks.ToStdString(), "megjegyzés");
    EXPECT_TRUE(c.hasAuxiliaryColour);
    EXPECT_EQ(c.auxiliaryColour, (RgbaColour{1, 2, 3, 255, 0}));
    EXPECT_TRUE(c.auxiliaryColourTable);
    EXPECT_FALSE(c.mixed);
    EXPECT_FALSE(c.blank);
}

TEST_F(CatalogueParser, KeepsFileOrderForColoursModesAndAuxiliaryColours) {
    ASSERT_TRUE(Load(CatalogueDocument(
        {CatalogueColour("B", "s", "n", "t"), CatalogueColour("A", "s", "n", "t"),
         CatalogueColour("B", "s2", "n", "t"), CatalogueColour("C", "s", "n", "t")},
        {AuxiliaryColour("egy", "1", "2", "3"), AuxiliaryColour("kettő", "-1", "x", "256")})))
        << problem;
    EXPECT_EQ(Values(catalogue.modes), (std::vector<std::string>{"B", "A", "C"}));
    ASSERT_EQ(catalogue.colours.size(), 4u);
    EXPECT_EQ(Colour(2).surface.ToStdString(), "s2");
    ASSERT_EQ(catalogue.auxiliaryColours.size(), 2u);
    EXPECT_EQ(catalogue.auxiliaryColours[0]->colourName.ToStdString(), "egy");
    EXPECT_EQ(catalogue.auxiliaryColours[1]->colour, (RgbaColour{255, 0, 0, 255, 0}));
}

TEST_F(CatalogueParser, AnEmptyColourListWithAuxiliaryColoursLoads) {
    ASSERT_TRUE(Load(CatalogueDocument({}, {AuxiliaryColour("x", "1", "2", "3")})));
    EXPECT_TRUE(catalogue.colours.empty());
    EXPECT_TRUE(catalogue.modes.IsEmpty());
    EXPECT_EQ(catalogue.auxiliaryColours.size(), 1u);
}

struct StructureCase {
    const char* name;
    std::string body;
    bool loads;
    std::size_t colours;
    std::size_t auxiliaryColours;
};

const std::string colourElement = CatalogueColour("M", "S", "N", "T").ToElement("colour");
const std::string auxiliaryElement = AuxiliaryColour("a", "1", "2", "3").ToElement("colour");

class ListPlacement : public CatalogueParser, public ::testing::WithParamInterface<StructureCase> {};

TEST_P(ListPlacement, ExactlyOneOfEachListBelowTheDocumentElement) {
    const StructureCase& c = GetParam();
    EXPECT_EQ(Load(Wrapped(c.body)), c.loads) << problem;
    EXPECT_EQ(catalogue.colours.size(), c.colours);
    EXPECT_EQ(catalogue.auxiliaryColours.size(), c.auxiliaryColours);
}

INSTANTIATE_TEST_SUITE_P(
    CatalogueParser, ListPlacement,
    ::testing::Values(
        StructureCase{"plain", "<colours>" + colourElement + "</colours><auxiliaryColours/>", true, 1, 0},
        StructureCase{"nested deep",
                      "<a><b><colours><g><h>" + colourElement + "</h>" + colourElement +
                          "</g></colours></b><auxiliaryColours><x>" + auxiliaryElement +
                          "</x></auxiliaryColours></a>",
                      true, 2, 1},
        StructureCase{"auxiliary first",
                      "<auxiliaryColours>" + auxiliaryElement + "</auxiliaryColours><colours>" +
                          colourElement + "</colours>",
                      true, 1, 1},
        StructureCase{"two colour lists",
                      "<colours>" + colourElement + "</colours><colours/><auxiliaryColours/>", false, 0, 0},
        StructureCase{"nested colour lists",
                      "<colours><colours>" + colourElement + "</colours></colours><auxiliaryColours/>", false,
                      0, 0},
        StructureCase{"no colour list", colourElement + "<auxiliaryColours/>", false, 0, 0},
        StructureCase{"no auxiliary list", "<colours>" + colourElement + colourElement + "</colours>", false,
                      2, 0},
        StructureCase{"two auxiliary lists",
                      "<colours>" + colourElement + "</colours><auxiliaryColours>" + auxiliaryElement +
                          "</auxiliaryColours><auxiliaryColours/>",
                      false, 1, 0},
        StructureCase{"auxiliary list inside the colours",
                      "<colours>" + colourElement + "<auxiliaryColours>" + auxiliaryElement +
                          "</auxiliaryColours></colours>",
                      false, 1, 0},
        StructureCase{"misspelt list", "<Colours>" + colourElement + "</Colours><auxiliaryColours/>", false,
                      0, 0}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(CatalogueParser, TheDocumentElementItselfIsNoColourList) {
    EXPECT_FALSE(Load("<colours>" + colourElement + "<auxiliaryColours/></colours>"));
    EXPECT_TRUE(catalogue.colours.empty());
}

TEST_F(CatalogueParser, AColourInBothListsIsReadIntoBoth) {
    const std::string both = CatalogueColour("M", "S", "N", "T").Set("colourName", "Őszi").ToElement("colour");
    ASSERT_TRUE(Load(Wrapped("<colours>" + colourElement + "<auxiliaryColours>" + both +
                             "</auxiliaryColours></colours>")))
        << problem;
    ASSERT_EQ(catalogue.colours.size(), 2u);
    EXPECT_EQ(Colour(1).colourName.ToStdString(), "Őszi");
    ASSERT_EQ(catalogue.auxiliaryColours.size(), 1u);
    EXPECT_EQ(catalogue.auxiliaryColours[0]->colourName.ToStdString(), "Őszi");
    EXPECT_EQ(catalogue.auxiliaryColours[0]->colour, (RgbaColour{10, 20, 30, 255, 0}));
}

TEST_F(CatalogueParser, AFailingColourKeepsTheColoursBeforeItAndStopsTheRest) {
    XmlAttributes broken = CatalogueColour("M2", "S", "N", "T");
    broken.Remove("ablue");
    EXPECT_FALSE(Load(
        CatalogueDocument({CatalogueColour("M", "S", "N", "T"), CatalogueColour("M", "S", "N", "T"), broken,
                           CatalogueColour("M3", "S", "N", "T")},
                          {AuxiliaryColour("a", "1", "2", "3")},
                          {Setting("weblink", "http://x"), Setting("colourmixer.amountofcolour", "0.5")})));
    EXPECT_EQ(catalogue.colours.size(), 2u);
    EXPECT_EQ(Values(catalogue.modes), (std::vector<std::string>{"M"}));
    EXPECT_TRUE(catalogue.auxiliaryColours.empty());
    EXPECT_TRUE(catalogue.webLink.IsEmpty());
    EXPECT_EQ(colourAmount, 153);
    EXPECT_EQ(catalogue.largestGroup, 2);
    EXPECT_NE(problem.find("ablue"), std::string::npos) << problem;
}

TEST_F(CatalogueParser, AFailingAuxiliaryColourKeepsEverythingBeforeIt) {
    XmlAttributes broken = AuxiliaryColour("b", "1", "2", "3");
    broken.Remove("colourName");
    EXPECT_FALSE(Load(
        CatalogueDocument({CatalogueColour("M", "S", "N", "T")},
                          {AuxiliaryColour("a", "1", "2", "3"), broken, AuxiliaryColour("c", "1", "2", "3")},
                          {Setting("weblink", "http://x")})));
    EXPECT_EQ(catalogue.colours.size(), 1u);
    EXPECT_EQ(catalogue.auxiliaryColours.size(), 1u);
    EXPECT_TRUE(catalogue.webLink.IsEmpty());
    EXPECT_EQ(catalogue.largestGroup, 1);
}

TEST_F(CatalogueParser, AFailingSettingKeepsTheSettingsBeforeIt) {
    XmlAttributes broken = Setting("weblink", "http://late");
    broken.Remove("value");
    EXPECT_FALSE(Load(CatalogueDocument({}, {}, {Setting("weblink", "http://early"), broken})));
    EXPECT_EQ(catalogue.webLink.ToStdString(), "http://early");
}

TEST_F(CatalogueParser, AnAbsentAttributeFailsWhileAnEmptyOneIsEmptyText) {
    for (const char* attribute :
         {"mode", "surface", "name", "description", "structure", "colourName", "red", "green", "blue",
          "texture", "wheel", "remarks", "ared", "agreen", "ablue", "auxiliaryColourTable"}) {
        SCOPED_TRACE(attribute);
        XmlAttributes empty = CatalogueColour("M", "S", "N", "T");
        empty.Set(attribute, "");
        TNPersistentData emptyCatalogue;
        folder.Write("colours.xml", CatalogueDocument({empty}));
        EXPECT_TRUE(ParseCatalogueFile(emptyCatalogue, folder.GetLocation("colours.xml")));
        EXPECT_EQ(emptyCatalogue.colours.size(), 1u);

        XmlAttributes absent = CatalogueColour("M", "S", "N", "T");
        absent.Remove(attribute);
        TNPersistentData absentCatalogue;
        folder.Write("colours.xml", CatalogueDocument({absent}));
        EXPECT_FALSE(ParseCatalogueFile(absentCatalogue, folder.GetLocation("colours.xml"), &problem));
        EXPECT_TRUE(absentCatalogue.colours.empty());
        EXPECT_NE(problem.find(std::string("\"") + attribute + "\""), std::string::npos) << problem;
    }
}

TEST_F(CatalogueParser, AttributesMayComeInAnyOrderAmongOthers) {
    const std::string first =
        "<colour extra=\"1\" auxiliaryColourTable=\"true\" ablue=\"3\" agreen=\"2\" ared=\"1\" "
        "remarks=\"r\" wheel=\"true\" texture=\"\" blue=\"7\" green=\"200\" red=\"12\" "
        "colourName=\"c\" structure=\"t\" description=\"d\" name=\"n\" surface=\"s\" mode=\"m\"/>";
    const std::string second =
        "<colour x:red=\"99\" mode=\"m2\" surface=\"s\" name=\"n\" description=\"\" "
        "structure=\"t\" colourName=\"\" red=\"5\" green=\"6\" blue=\"7\" texture=\"\" "
        "wheel=\"\" remarks=\"\" ared=\"\" agreen=\"\" ablue=\"\" auxiliaryColourTable=\"\" "
        "xmlns:x=\"urn:x\"/>";
    ASSERT_TRUE(Load(Wrapped("<colours>" + first + second + "</colours><auxiliaryColours/>"))) << problem;
    EXPECT_EQ(Colour(0).mode.ToStdString(), "m");
    EXPECT_EQ(Colour(0).colour, (RgbaColour{12, 200, 7, 255, 0}));
    EXPECT_EQ(Colour(0).auxiliaryColour, (RgbaColour{1, 2, 3, 255, 0}));
    EXPECT_TRUE(Colour(0).wheel);
    EXPECT_TRUE(Colour(0).auxiliaryColourTable);
    EXPECT_EQ(Colour(0).remarks.ToStdString(), "r");
    EXPECT_EQ(Colour(1).mode.ToStdString(), "m2");
    EXPECT_EQ(Colour(1).colour, (RgbaColour{5, 6, 7, 255, 0}));
}

TEST_F(CatalogueParser, EmptyChannelsReadAsZero) {
    XmlAttributes colour = CatalogueColour("M", "S", "N", "T");
    colour.Set("red", "").Set("green", "").Set("blue", "");
    ASSERT_TRUE(Load(CatalogueDocument({colour})));
    EXPECT_TRUE(Colour(0).hasColour);
    EXPECT_EQ(Colour(0).colour, (RgbaColour{0, 0, 0, 255, 0}));
}

TEST_F(CatalogueParser, ChannelsAreReadAsShortIntegers) {
    XmlAttributes colour = CatalogueColour("M", "S", "N", "T");
    colour.Set("red", "12abc").Set("green", "abc").Set("blue", " 300");
    colour.Set("ared", "7").Set("agreen", " -1").Set("ablue", "7");
    ASSERT_TRUE(Load(CatalogueDocument({colour})));
    EXPECT_EQ(Colour(0).colour, (RgbaColour{12, 0, 44, 255, 0}));
    EXPECT_FALSE(Colour(0).hasAuxiliaryColour);
}

TEST_F(CatalogueParser, FlagsAreTrueOnlyForTrueInAnyCase) {
    std::vector<XmlAttributes> colours;
    for (const char* value : {"TRUE", "true", "yes", "1", "true "}) {
        colours.push_back(
            CatalogueColour("M", "S", "N", "T").Set("wheel", value).Set("auxiliaryColourTable", value));
    }
    ASSERT_TRUE(Load(CatalogueDocument(colours)));
    const std::vector<bool> expected{true, true, false, false, false};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(Colour(i).wheel, expected[i]) << i;
        EXPECT_EQ(Colour(i).auxiliaryColourTable, expected[i]) << i;
    }
}

TEST_F(CatalogueParser, TexturePathsAreCutAtBothKindsOfSlash) {
    folder.Write("img/sub/a.jpg", testsupport::MakeJpeg(8, 8, {10, 20, 30}));
    std::vector<XmlAttributes> colours;
    for (const char* path :
         {"img/sub\\a.jpg", "img\\sub\\a.jpg", "img/sub/a.jpg", "img/./sub/../sub/a.jpg"}) {
        colours.push_back(CatalogueColour("M", "S", "N", "T").Set("texture", path).Set("red", "-1"));
    }
    ASSERT_TRUE(Load(CatalogueDocument(colours))) << problem;
    const std::string expected = PathOf(folder.GetLocation("img/sub/a.jpg"));
    for (std::size_t i = 0; i < colours.size(); ++i) {
        EXPECT_EQ(PathOf(Colour(i).texture), expected) << i;
        ASSERT_NE(Colour(i).textureImage, nullptr) << i;
        EXPECT_FALSE(Colour(i).blank);
        EXPECT_EQ(Colour(i).textureImage, Colour(0).textureImage);
    }
}

TEST_F(CatalogueParser, TexturesMayLieAboveTheCatalogueFolder) {
    folder.Write("shared/t.bmp", testsupport::MakeBmp(2, 2, {1, 2, 3}));
    folder.Write("data/colours.xml",
                 CatalogueDocument({CatalogueColour("M", "S", "N", "T").Set("texture", "..\\shared/t.bmp")}));
    ASSERT_TRUE(ParseCatalogueFile(catalogue, folder.GetLocation("data/colours.xml")));
    EXPECT_EQ(PathOf(Colour(0).texture), PathOf(folder.GetLocation("shared/t.bmp")));
    EXPECT_NE(Colour(0).textureImage, nullptr);
}

TEST_F(CatalogueParser, AnEmptyPieceBeforeASlashFailsTheLoad) {
    for (const char* path : {"img//a.jpg", "/etc/a.jpg", "\\a.jpg", "img\\/a.jpg"}) {
        SCOPED_TRACE(path);
        TNPersistentData fresh;
        folder.Write("colours.xml",
                     CatalogueDocument({CatalogueColour("M", "S", "N", "T").Set("texture", path)}));
        EXPECT_FALSE(ParseCatalogueFile(fresh, folder.GetLocation("colours.xml"), &problem));
        EXPECT_TRUE(fresh.colours.empty());
        EXPECT_NE(problem.find("texture"), std::string::npos) << problem;
    }
}

TEST_F(CatalogueParser, ATrailingSlashOrNoTextureLeavesTheColourWithoutImage) {
    folder.Write("img/a.jpg", testsupport::MakeJpeg(8, 8, {10, 20, 30}));
    ASSERT_TRUE(
        Load(CatalogueDocument({CatalogueColour("M", "S", "N", "T").Set("texture", "img/").Set("red", "-1"),
                                CatalogueColour("M", "S", "N", "T").Set("texture", ""),
                                CatalogueColour("M", "S", "N", "T").Set("texture", "img/missing.jpg")})));
    EXPECT_EQ(PathOf(Colour(0).texture), (folder.GetPath() / "img").string());
    EXPECT_EQ(Colour(0).textureImage, nullptr);
    EXPECT_TRUE(Colour(0).blank);
    EXPECT_EQ(PathOf(Colour(1).texture), folder.GetPath().string());
    EXPECT_FALSE(Colour(1).blank);
    EXPECT_EQ(Colour(2).textureData, nullptr);
}

TEST_F(CatalogueParser, TheLargestGroupCountsSameModeSurfaceNameAndStructure) {
    ASSERT_TRUE(
        Load(CatalogueDocument({CatalogueColour("M", "S", "N", "T"), CatalogueColour("M", "S", "N", "T2"),
                                CatalogueColour("M", "S", "N", "T"), CatalogueColour("M2", "S", "N", "T")})));
    EXPECT_EQ(catalogue.GetLargestGroup(), 2);
}

TEST_F(CatalogueParser, CoincidingProductLabelsAreSeparateGroups) {
    ASSERT_TRUE(
        Load(CatalogueDocument({CatalogueColour("M", "S", "A", "B C"), CatalogueColour("M", "S", "A B", "C"),
                                CatalogueColour("M", "S", "A", "B C")})));
    EXPECT_EQ(catalogue.GetLargestGroup(), 2);
    EXPECT_EQ(Values(catalogue.GetProducts("M", "S")), (std::vector<std::string>{"A B C"}));
    EXPECT_EQ(catalogue.GetColours("M", "S", "A B C", true).size(), 3u);
}

TEST_F(CatalogueParser, BlankColoursLoadAndAreOnlyListedOnRequest) {
    ASSERT_TRUE(Load(CatalogueDocument(
        {CatalogueColour("M", "S", "N", "T").Set("green", "-1"), CatalogueColour("M", "S", "N", "T")})));
    EXPECT_TRUE(Colour(0).blank);
    EXPECT_EQ(catalogue.GetColours("M", "S", "N T", false).size(), 1u);
    EXPECT_EQ(catalogue.GetColours("M", "S", "N T", true).size(), 2u);
}

TEST_F(CatalogueParser, SettingNamesIgnoreCaseAndTheLastOneWins) {
    ASSERT_TRUE(Load(
        CatalogueDocument({}, {},
                          {Setting("WebLink", "http://first"), Setting("colourmixer.amountofcolour", "0.9"),
                           Setting("ColourMixer.AmountOfColour", "0.6"), Setting("other", "x"),
                           Setting("weblink", "http://second")})));
    EXPECT_EQ(catalogue.GetWebLink().ToStdString(), "http://second");
    EXPECT_EQ(colourAmount, 153);
}

TEST_F(CatalogueParser, AnUnreadableAmountIsZeroAndStaysForTheModule) {
    ASSERT_TRUE(Load(CatalogueDocument({}, {}, {Setting("colourmixer.amountofcolour", "abc")})));
    EXPECT_EQ(colourAmount, 0);
    TNPersistentData next;
    folder.Write("colours.xml", CatalogueDocument({}));
    ASSERT_TRUE(ParseCatalogueFile(next, folder.GetLocation("colours.xml")));
    EXPECT_EQ(colourAmount, 0);
}

TEST_F(CatalogueParser, SettingsAreFoundAnywhereBelowTheDocumentElement) {
    ASSERT_TRUE(Load(Wrapped(
        "<colours/><auxiliaryColours/><more><setting name=\"weblink\" value=\"http://deep\"/></more>")));
    EXPECT_EQ(catalogue.webLink.ToStdString(), "http://deep");
}

TEST_F(CatalogueParser, LongValuesAreCutWithoutSplittingACharacter) {
    std::string description(253, 'x');
    description += "őő";
    ASSERT_TRUE(
        Load(CatalogueDocument({CatalogueColour("M", "S", "N", "T").Set("description", description)})));
    EXPECT_EQ(Colour(0).description.ToStdString(), std::string(253, 'x') + "ő");
}

TEST_F(CatalogueParser, DocumentsInOtherEncodingsArriveAsUtf8) {
    ASSERT_TRUE(
        Load("<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?><c><colours><colour mode=\"K\xFCl\xF5\" "
             "surface=\"\" name=\"\" description=\"\" structure=\"\" colourName=\"\" red=\"1\" green=\"2\" "
             "blue=\"3\" texture=\"\" wheel=\"\" remarks=\"\" ared=\"\" agreen=\"\" ablue=\"\" "
             "auxiliaryColourTable=\"\"/></colours><auxiliaryColours/></c>"))
        << problem;
    EXPECT_EQ(Colour(0).mode.ToStdString(), "Külő");
}

TEST_F(CatalogueParser, DeclarationsAndDoctypesOfOrdinaryFilesAreAccepted) {
    const std::string body = "<colours>" + colourElement + "</colours><auxiliaryColours/>";
    for (const std::string& prologue :
         {std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"),
          std::string("<!DOCTYPE catalogue SYSTEM \"missing.dtd\">"),
          std::string("<!DOCTYPE catalogue PUBLIC \"-//X//Y//EN\" \"http://example.invalid/c.dtd\">"),
          std::string(
              "<!DOCTYPE catalogue [<!ELEMENT catalogue ANY><!ATTLIST colour wheel CDATA \"false\">]>"),
          std::string("\xEF\xBB\xBF<?xml version=\"1.0\"?><!-- comment --><?pi data?>")}) {
        SCOPED_TRACE(prologue);
        TNPersistentData fresh;
        folder.Write("colours.xml", prologue + "<catalogue>" + body + "</catalogue>");
        EXPECT_TRUE(ParseCatalogueFile(fresh, folder.GetLocation("colours.xml"), &problem)) << problem;
        EXPECT_EQ(fresh.colours.size(), 1u);
    }
}

TEST_F(CatalogueParser, InternalEntitiesExpand) {
    ASSERT_TRUE(Load(
        "<!DOCTYPE c [<!ENTITY brand \"Tarnova\">]><c><colours><colour mode=\"&brand; bel\" surface=\"\" "
        "name=\"\" description=\"\" structure=\"\" colourName=\"\" red=\"1\" green=\"2\" blue=\"3\" "
        "texture=\"\" wheel=\"\" remarks=\"\" ared=\"\" agreen=\"\" ablue=\"\" auxiliaryColourTable=\"\"/>"
        "</colours><auxiliaryColours/></c>"))
        << problem;
    EXPECT_EQ(Colour(0).mode.ToStdString(), "Tarnova bel");
}

TEST_F(CatalogueParser, ExternalEntitiesAreNeverFetched) {
    // Were the entity's file read, it would add a valid colour and the load would succeed.
    const auto outside = folder.Write("outside.xml", colourElement);
    const std::string uri = "file://" + outside.string();
    for (const std::string& doctype : {"<!DOCTYPE c [<!ENTITY e SYSTEM \"" + uri + "\">]>",
                                       std::string("<!DOCTYPE c [<!ENTITY e SYSTEM \"outside.xml\">]>"),
                                       "<!DOCTYPE c [<!ENTITY % p SYSTEM \"" + uri + "\"> %p;]>"}) {
        SCOPED_TRACE(doctype);
        TNPersistentData fresh;
        folder.Write("colours.xml", doctype + "<c><colours>&e;</colours><auxiliaryColours/></c>");
        EXPECT_FALSE(ParseCatalogueFile(fresh, folder.GetLocation("colours.xml")));
        EXPECT_TRUE(fresh.colours.empty());
    }
}

TEST_F(CatalogueParser, EntityExpansionBombsFail) {
    std::string doctype = "<!DOCTYPE c [<!ENTITY a0 \"lol\">";
    for (int level = 1; level <= 12; ++level) {
        doctype += "<!ENTITY a" + std::to_string(level) + " \"";
        for (int i = 0; i < 10; ++i) {
            doctype += "&a" + std::to_string(level - 1) + ";";
        }
        doctype += "\">";
    }
    doctype += "]>";
    EXPECT_FALSE(Load(doctype + "<c><colours>&a12;</colours><auxiliaryColours/></c>"));
    EXPECT_FALSE(Load(doctype + "<c><colours><colour mode=\"&a12;\"/></colours><auxiliaryColours/></c>"));
    EXPECT_TRUE(catalogue.colours.empty());
    EXPECT_NE(problem.find("entity"), std::string::npos) << problem;
}

TEST_F(CatalogueParser, ManyPredefinedEntitiesAreNoBomb) {
    // Written out as 20000 references to &amp;.
    std::vector<XmlAttributes> colours(500, CatalogueColour("M", "S", "N", "T"));
    for (XmlAttributes& colour : colours) {
        colour.Set("colourName", std::string(40, '&'));
    }
    ASSERT_TRUE(Load(CatalogueDocument(colours))) << problem;
    EXPECT_EQ(Colour(499).colourName.ToStdString(), std::string(40, '&'));
}

struct MalformedCase {
    const char* name;
    std::string document;
};

class Malformed : public CatalogueParser, public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(Malformed, FailsWithNothingRead) {
    EXPECT_FALSE(Load(GetParam().document));
    EXPECT_TRUE(catalogue.colours.empty());
    EXPECT_TRUE(catalogue.auxiliaryColours.empty());
    EXPECT_FALSE(problem.empty());
}

const std::string validBody = "<colours>" + colourElement + "</colours><auxiliaryColours/>";

INSTANTIATE_TEST_SUITE_P(
    CatalogueParser, Malformed,
    ::testing::Values(MalformedCase{"empty", ""}, MalformedCase{"text", "colours"},
                      MalformedCase{"unclosed", "<c>" + validBody},
                      MalformedCase{"error after the lists", "<c>" + validBody + "</c><c/>"},
                      MalformedCase{"broken tail", "<c>" + validBody + "</c><broken"},
                      MalformedCase{"mismatched tag", "<c>" + validBody + "<x></y></c>"},
                      MalformedCase{"duplicate attribute",
                                    "<c>" + validBody + "<setting name=\"a\" name=\"b\"/></c>"},
                      MalformedCase{"undefined entity", "<c>" + validBody + "&nope;</c>"},
                      MalformedCase{"bad encoding", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><c>\xFF\xFE" +
                                                        validBody + "</c>"},
                      MalformedCase{"binary", std::string("\0\x01\x02<c/>", 7)}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

} // namespace
