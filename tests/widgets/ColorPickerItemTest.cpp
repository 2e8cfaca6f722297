#include "WidgetTest.h"

#include "catalogue/ColorEntity.h"
#include "support/CatalogueXml.h"
#include "support/StoreEventLog.h"
#include "widgets/AddOnResourceModule.h"
#include "widgets/ColorPickerItem.h"

#include <algorithm>
#include <sstream>

namespace {

using namespace widgettest;
using testsupport::AuxiliaryColour;
using testsupport::CatalogueColour;
using testsupport::CatalogueDocument;
using Events = std::vector<std::string>;

constexpr std::int32_t SpectrumResource = 32620;

// Wheel colours: white, red, green, grey and black.
std::string WheelCatalogue() {
    std::vector<testsupport::XmlAttributes> colours;
    for (const auto& [name, rgb] :
         {std::pair{"fehér", "255 255 255"}, std::pair{"piros", "255 0 0"}, std::pair{"zöld", "0 160 0"},
          std::pair{"szürke", "128 128 128"}, std::pair{"fekete", "0 0 0"}}) {
        std::istringstream channels(rgb);
        std::string red, green, blue;
        channels >> red >> green >> blue;
        colours.push_back(CatalogueColour("M", "S", "N", "T")
                              .Set("colourName", name)
                              .Set("red", red)
                              .Set("green", green)
                              .Set("blue", blue)
                              .Set("wheel", "true"));
    }
    return CatalogueDocument(colours);
}

std::string MixingCatalogue() {
    return CatalogueDocument(
        {CatalogueColour("M", "S", "N", "T").Set("auxiliaryColourTable", "true")},
        {AuxiliaryColour("fehér", "255", "255", "255"), AuxiliaryColour("piros", "250", "0", "0"),
         AuxiliaryColour("szürke", "128", "128", "128"), AuxiliaryColour("fekete", "0", "0", "0")});
}

// The add-on's resources are linked into this program; it registers itself as their module.
class Picker : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        addOnResourceModule = host::RegisterResourceModule(nullptr);
        ASSERT_NE(addOnResourceModule, host::NoResourceModule);
        id = AppendUserItem(10, 20, 249, 202);
    }

    void TearDown() override {
        picker.reset();
        if (addOnResourceModule != host::NoResourceModule) {
            host::RemoveResourceModule(addOnResourceModule);
            addOnResourceModule = host::NoResourceModule;
        }
        DialogTest::TearDown();
    }

    void Make(std::int32_t resourceId = SpectrumResource) {
        picker = std::make_unique<ColorPickerItem>(*dialog, id, resourceId);
    }

    double Hue() const { return picker->GetPickedColour().hue / 360.0; }
    double Saturation() const { return picker->GetPickedColour().saturation; }
    double Lightness() const { return picker->GetPickedColour().lightness; }

    GlobalStore store;
    std::int16_t id = 0;
    std::unique_ptr<ColorPickerItem> picker;
};

TEST_F(Picker, CentresTheSpectrumAndTheBarInTheItem) {
    const host::ResourceModule active = host::GetActiveResourceModule();
    Make();
    EXPECT_EQ(host::GetActiveResourceModule(), active) << "the previous module is active again";
    EXPECT_EQ(picker->GetSpectrumRect(), host::Rect(24, 7, 24 + 175, 7 + 187));
    EXPECT_EQ(picker->GetLightnessRect(), host::Rect(209, 7, 209 + 10, 7 + 187));
    EXPECT_EQ(picker->GetPickedColour(), (HslColour{0.0, 0.0, 0.0})) << "black until the first pick";
}

TEST_F(Picker, PicksHueAndSaturationOnTheSpectrumAndLightnessOnAndBesideTheBar) {
    Make();
    Open();
    const struct {
        host::Point point;
        double hue;
        double saturation;
        double lightness;
        const char* what;
    } steps[] = {
        {{24, 7}, 0.0, 1.0, 0.0, "the spectrum's top-left pixel"},
        {{198, 193}, 174.0 / 175, 1.0 / 187, 0.0, "its bottom-right pixel"},
        {{209, 7}, 174.0 / 175, 1.0 / 187, 1.0, "the bar's top row"},
        {{204, 100}, 174.0 / 175, 1.0 / 187, 1.0 - 93.0 / 187, "5 pixels left of the bar"},
        {{223, 193}, 174.0 / 175, 1.0 / 187, 1.0 / 187, "5 pixels right of the bar, bottom row"},
        {{203, 50}, 174.0 / 175, 1.0 / 187, 1.0 / 187, "the gap, 6 pixels from the bar"},
        {{224, 50}, 174.0 / 175, 1.0 / 187, 1.0 / 187, "6 pixels right of the bar"},
        {{100, 6}, 174.0 / 175, 1.0 / 187, 1.0 / 187, "above the spectrum"},
        {{111, 100}, 87.0 / 175, 1.0 - 93.0 / 187, 1.0 / 187, "the spectrum's middle"},
    };
    for (const auto& step : steps) {
        ASSERT_TRUE(driver->ClickAt(id, step.point)) << step.what;
        EXPECT_NEAR(Hue(), step.hue, 1e-12) << step.what;
        EXPECT_NEAR(Saturation(), step.saturation, 1e-12) << step.what;
        EXPECT_NEAR(Lightness(), step.lightness, 1e-12) << step.what;
    }
}

TEST_F(Picker, ADragPicksWhileTheButtonIsHeldAndSkipsTheGap) {
    Make();
    Open();
    ASSERT_TRUE(driver->ClickAt(id, {209, 100}));
    const double lightness = Lightness();
    // From the spectrum across the gap onto the bar, one pixel at a time.
    ASSERT_TRUE(driver->Drag(id, {150, 50}, {215, 50}, 65));
    EXPECT_DOUBLE_EQ(Hue(), 174.0 / 175) << "the last spectrum column reached";
    EXPECT_DOUBLE_EQ(Saturation(), 1.0 - 43.0 / 187);
    EXPECT_DOUBLE_EQ(Lightness(), 1.0 - 43.0 / 187) << "changed once within 5 pixels of the bar";
    EXPECT_NE(Lightness(), lightness);

    ASSERT_TRUE(driver->MoveTo(id, {30, 30}, false));
    EXPECT_DOUBLE_EQ(Hue(), 174.0 / 175) << "moves without the button pick nothing";
    ASSERT_TRUE(driver->MoveTo(id, {30, 30}, true));
    EXPECT_DOUBLE_EQ(Hue(), 6.0 / 175);
}

TEST_F(Picker, InViewModeOneEachPickProposesTheNearestColours) {
    ASSERT_EQ(store.Load(WheelCatalogue()), 0);
    ASSERT_TRUE(GlobalStore::SwitchToViewMode(ViewModeWheel));
    Make();
    Open();
    testsupport::StoreEventLog log(GetTNData());
    ASSERT_TRUE(driver->ClickAt(id, {209, 7})); // white
    ASSERT_NE(GetTNData().GetNearestColour(0), nullptr);
    EXPECT_EQ(GetTNData().GetNearestColour(0)->colourName.ToStdString(), "fehér");
    ASSERT_TRUE(driver->ClickAt(id, {209, 100})); // lightness about 0.5
    ASSERT_TRUE(driver->ClickAt(id, {24, 7}));    // hue 0, full saturation: red
    EXPECT_EQ(GetTNData().GetNearestColour(0)->colourName.ToStdString(), "piros");
    EXPECT_EQ(log.events, (Events(3, "PickedColoursChanged")));
}

TEST_F(Picker, InOtherViewModesRefreshAndEachPickMixAColour) {
    ASSERT_EQ(store.Load(MixingCatalogue()), 0);
    ASSERT_TRUE(GlobalStore::SwitchToViewMode(ViewModeMixing));
    Make();
    picker->Hide();
    testsupport::StoreEventLog log(GetTNData());
    picker->Refresh();
    EXPECT_TRUE(picker->IsVisible());
    ASSERT_NE(GetTNData().GetMixedColour(), nullptr);
    EXPECT_EQ(GetTNData().GetMixedColour()->colourName.ToStdString(), "fekete") << "black before any pick";
    Open();
    ASSERT_TRUE(driver->ClickAt(id, {209, 100}));
    ASSERT_TRUE(driver->ClickAt(id, {24, 7}));
    EXPECT_EQ(GetTNData().GetMixedColour()->colourName.ToStdString(), "piros");
    ASSERT_TRUE(driver->ClickAt(id, {24, 193})); // saturation near 0: a middle grey
    EXPECT_EQ(GetTNData().GetMixedColour()->colourName.ToStdString(), "szürke");
    EXPECT_EQ(log.events, (Events(4, "PickedColoursChanged")));
}

TEST_F(Picker, WithoutItsResourceThePickerPicksNothing) {
    const host::ResourceModule registered = addOnResourceModule;
    const struct {
        std::int32_t resourceId;
        host::ResourceModule module;
        const char* what;
    } cases[] = {{0, registered, "resource 0"},
                 {32621, registered, "a resource that is not there"},
                 {SpectrumResource, host::NoResourceModule, "no module"}};
    for (const auto& c : cases) {
        addOnResourceModule = c.module;
        Make(c.resourceId);
        addOnResourceModule = registered;
        EXPECT_TRUE(picker->GetSpectrumRect().IsEmpty()) << c.what;
        EXPECT_TRUE(picker->GetLightnessRect().IsEmpty()) << c.what;
        for (const host::Point point : {host::Point{0, 0}, host::Point{30, 30}, host::Point{2, 0}}) {
            picker->PickAt(point);
        }
        EXPECT_EQ(picker->GetPickedColour(), (HslColour{0.0, 0.0, 0.0})) << c.what;
        // The background and the "<" of the empty bar at its top-left corner.
        const auto bitmap = Render(*picker);
        EXPECT_EQ(FindNot(*bitmap, paletteBackground), (Box{1, 0, 6, 5})) << c.what;
    }
}

// The colour of one lightness band for the picked hue and saturation.
host::Colour BandColour(const HslColour& picked, int band) {
    const RgbChannels rgb = HslToRgb({picked.hue, (39 - band) / 39.0, picked.saturation});
    return {rgb.red, rgb.green, rgb.blue, 255, 0};
}

// The bounding box (inclusive) of the black pixels inside a rectangle.
Box FindBlack(const host::Bitmap& bitmap, const host::Rect& rect) {
    Box box;
    for (int y = rect.GetTop(); y < rect.GetBottom(); ++y) {
        for (int x = rect.GetLeft(); x < rect.GetRight(); ++x) {
            if (At(bitmap, x, y) == host::Colour{0, 0, 0, 255, 0}) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

TEST_F(Picker, DrawsTheCrossTheBandsAndTheMarkersOfThePickedColour) {
    Make();
    picker->PickAt({111, 100});
    picker->PickAt({209, 53});
    const auto bitmap = Render(*picker);
    const HslColour picked = picker->GetPickedColour();

    // The cross, 9 pixels each way, on the picked point of the spectrum (which holds no black).
    const Box cross = FindBlack(*bitmap, picker->GetSpectrumRect());
    EXPECT_EQ(cross.right - cross.left, 8);
    EXPECT_EQ(cross.bottom - cross.top, 8);
    EXPECT_NEAR(cross.left + 4, 111, 1);
    EXPECT_NEAR(cross.top + 4, 100, 1);

    // Forty bands from white to black in the picked hue and saturation.
    const int bandRow[] = {7, int(7 + 187.0 * 20 / 40), int(7 + 187.0 * 39 / 40)};
    EXPECT_EQ(At(*bitmap, 213, bandRow[0]), (host::Colour{255, 255, 255, 255, 0}));
    EXPECT_EQ(At(*bitmap, 213, bandRow[1]), BandColour(picked, 20));
    EXPECT_EQ(At(*bitmap, 213, bandRow[2]), (host::Colour{0, 0, 0, 255, 0}));

    // The two arrows point at the bar from 1 pixel off its sides, at the picked lightness.
    const int y = int(7 + 187 * (1.0 - picked.lightness));
    EXPECT_EQ(FindBlack(*bitmap, host::Rect(190, 0, 209, 202)), (Box{203, y - 5, 208, y + 5}));
    EXPECT_EQ(FindBlack(*bitmap, host::Rect(219, 0, 249, 202)), (Box{220, y - 5, 225, y + 5}));

    // A pick on the bar moves the arrows only; one on the spectrum recolours the bands as well.
    picker->PickAt({212, 150});
    const auto afterBar = Render(*picker);
    EXPECT_EQ(FindBlack(*afterBar, picker->GetSpectrumRect()), cross);
    EXPECT_EQ(At(*afterBar, 213, bandRow[1]), At(*bitmap, 213, bandRow[1]));
    picker->PickAt({150, 150});
    const auto afterSpectrum = Render(*picker);
    EXPECT_NE(At(*afterSpectrum, 213, bandRow[1]), At(*afterBar, 213, bandRow[1]));
    EXPECT_EQ(At(*afterSpectrum, 213, bandRow[1]), BandColour(picker->GetPickedColour(), 20));
}

} // namespace
