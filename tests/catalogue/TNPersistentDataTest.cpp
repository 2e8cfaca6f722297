#include "catalogue/TNPersistentData.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct ColourSetup {
    const char* mode;
    const char* surface;
    const char* name;
    const char* structure;
    bool hasColour = true;
    bool mixingBase = false;
    bool mixed = false;
};

std::unique_ptr<ColorEntity> Make(const ColourSetup& s) {
    const std::int16_t red = s.hasColour ? 10 : -1;
    return std::make_unique<ColorEntity>(s.mode, s.surface, s.name, "", s.structure, "", red, 20, 30,
                                         host::FileLocation(), false, "", -1, -1, -1, s.mixingBase, s.mixed);
}

std::vector<std::string> Values(const host::StringSet& set) {
    std::vector<std::string> values;
    for (const host::UniString& value : set) {
        values.push_back(value.ToStdString());
    }
    return values;
}

// A catalogue built as the parser builds one: colours in order, each mode added after its colour.
class Catalogue : public ::testing::Test {
protected:
    ColorEntity* Add(const ColourSetup& setup) {
        catalogue.AddColour(Make(setup));
        if (!setup.mixed) {
            catalogue.modes.Add(setup.mode);
        }
        return catalogue.colours.back().get();
    }

    TNPersistentData catalogue;
};

TEST_F(Catalogue, ANewCatalogueIsEmpty) {
    EXPECT_TRUE(catalogue.GetModes().IsEmpty());
    EXPECT_TRUE(catalogue.GetSurfaces("").IsEmpty());
    EXPECT_TRUE(catalogue.GetColours("", "", " ", true).empty());
    EXPECT_EQ(catalogue.FindMixingBase("", "", " "), nullptr);
    EXPECT_EQ(catalogue.GetLargestGroup(), 0);
    EXPECT_TRUE(catalogue.GetWebLink().IsEmpty());
}

TEST_F(Catalogue, SurfacesAndProductsComeInOrderOfFirstOccurrence) {
    Add({"Kül", "Fal", "Prima", "Matt"});
    Add({"Bel", "Fa", "Lazur", "Selyem"});
    Add({"Bel", "Fal", "Prima", "Matt"});
    Add({"Bel", "Fa", "Alap", "Matt"});
    Add({"Bel", "Fal", "Prima", "Fényes"});
    Add({"Bel", "Fa", "Lazur", "Selyem"});
    EXPECT_EQ(Values(catalogue.GetModes()), (std::vector<std::string>{"Kül", "Bel"}));
    EXPECT_EQ(Values(catalogue.GetSurfaces("Bel")), (std::vector<std::string>{"Fa", "Fal"}));
    EXPECT_EQ(Values(catalogue.GetProducts("Bel", "Fa")),
              (std::vector<std::string>{"Lazur Selyem", "Alap Matt"}));
    EXPECT_EQ(Values(catalogue.GetProducts("Bel", "Fal")),
              (std::vector<std::string>{"Prima Matt", "Prima Fényes"}));
    EXPECT_TRUE(catalogue.GetSurfaces("bel").IsEmpty());
    EXPECT_TRUE(catalogue.GetSurfaces("Nincs").IsEmpty());
    EXPECT_TRUE(catalogue.GetProducts("Kül", "Fa").IsEmpty());
}

TEST_F(Catalogue, GetModesIsACopy) {
    Add({"A", "S", "N", "T"});
    host::StringSet modes = catalogue.GetModes();
    modes.Add("B");
    EXPECT_EQ(catalogue.modes.GetSize(), 1u);
}

TEST_F(Catalogue, AnEmptySurfaceIsASurface) {
    Add({"A", "", "N", "T"});
    EXPECT_EQ(Values(catalogue.GetSurfaces("A")), (std::vector<std::string>{""}));
    EXPECT_EQ(catalogue.GetColours("A", "", "N T", true).size(), 1u);
}

TEST_F(Catalogue, CoincidingProductLabelsAreOneProduct) {
    ColorEntity* first = Add({"M", "S", "A", "B C"});
    ColorEntity* second = Add({"M", "S", "A B", "C"});
    EXPECT_EQ(Values(catalogue.GetProducts("M", "S")), (std::vector<std::string>{"A B C"}));
    EXPECT_EQ(catalogue.GetColours("M", "S", "A B C", true), (std::vector<ColorEntity*>{first, second}));
}

TEST_F(Catalogue, BlankColoursOnlyWhenAskedFor) {
    ColorEntity* solid = Add({"M", "S", "N", "T"});
    ColorEntity* blank = Add({"M", "S", "N", "T", false});
    ASSERT_TRUE(blank->blank);
    EXPECT_EQ(catalogue.GetColours("M", "S", "N T", false), (std::vector<ColorEntity*>{solid}));
    EXPECT_EQ(catalogue.GetColours("M", "S", "N T", true), (std::vector<ColorEntity*>{solid, blank}));
}

TEST_F(Catalogue, ColoursOfAProductMatchEveryLevelExactly) {
    ColorEntity* match = Add({"M", "S", "N", "T"});
    Add({"M", "S2", "N", "T"});
    Add({"M2", "S", "N", "T"});
    Add({"M", "S", "n", "T"});
    Add({"M", "S", "N", "T "});
    EXPECT_EQ(catalogue.GetColours("M", "S", "N T", true), (std::vector<ColorEntity*>{match}));
}

TEST_F(Catalogue, TheMixingBaseIsTheFirstFlaggedColourBlankOrNot) {
    Add({"M", "S", "N", "T"});
    Add({"M", "S", "Other", "T", true, true});
    ColorEntity* base = Add({"M", "S", "N", "T", false, true});
    Add({"M", "S", "N", "T", true, true});
    EXPECT_EQ(catalogue.FindMixingBase("M", "S", "N T"), base);
    EXPECT_EQ(catalogue.FindMixingBase("M", "S", "Nope"), nullptr);
}

TEST_F(Catalogue, MixedColoursTakeNoPartInNavigation) {
    Add({"M", "S", "N", "T"});
    Add({"M", "Mixed surface", "N", "T", true, true, true});
    Add({"M", "S", "N", "T", true, true, true});
    Add({"", "S", "N", "T", true, true, true});
    EXPECT_EQ(catalogue.colours.size(), 4u);
    EXPECT_EQ(Values(catalogue.GetModes()), (std::vector<std::string>{"M"}));
    EXPECT_EQ(Values(catalogue.GetSurfaces("M")), (std::vector<std::string>{"S"}));
    EXPECT_TRUE(catalogue.GetSurfaces("").IsEmpty());
    EXPECT_EQ(catalogue.GetColours("M", "S", "N T", true).size(), 1u);
    EXPECT_EQ(catalogue.FindMixingBase("M", "S", "N T"), nullptr);
}

TEST_F(Catalogue, NullEntriesAreSkippedAndNullColoursNotAdded) {
    Add({"M", "S", "N", "T"});
    catalogue.AddColour(nullptr);
    EXPECT_EQ(catalogue.colours.size(), 1u);
    catalogue.colours.push_back(nullptr);
    Add({"M", "S2", "N", "T", true, true});
    EXPECT_EQ(Values(catalogue.GetSurfaces("M")), (std::vector<std::string>{"S", "S2"}));
    EXPECT_NE(catalogue.FindMixingBase("M", "S2", "N T"), nullptr);
}

TEST_F(Catalogue, AddedColoursAreDeletedWithTheCatalogue) {
    struct Watched : ColorEntity {
        Watched(bool& gone)
            : ColorEntity("", "", "", "", "", "", 1, 2, 3, {}, false, "", 1, 2, 3, false, true), gone(gone) {}
        ~Watched() override { gone = true; }
        bool& gone;
    };
    bool gone = false;
    {
        TNPersistentData owner;
        owner.AddColour(std::make_unique<Watched>(gone));
    }
    EXPECT_TRUE(gone);
}

} // namespace
