#include "ToolkitTest.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/DialogDriver.h"
#include "host/DrawContext.h"
#include "host/Image.h"
#include "host/ModalDialog.h"
#include "host/WindowDevice.h"

namespace {

using namespace toolkit_test;

// Fills its user item with one colour through the native context of each update.
class Painter : public host::UserItemObserver {
public:
    explicit Painter(host::Colour colour) : colour(colour) {}
    void UserItemUpdate(const host::UserItemUpdateEvent& event) override {
        host::WindowDevice device(event.context);
        auto context = device.ObtainContext(host::ContextAttributes{});
        context->FillRect(host::RealRect(0, 0, event.source->GetWidth(), event.source->GetHeight()),
                          host::SolidPattern(colour));
    }
    host::Colour colour;
};

struct Pixel {
    int red;
    int green;
    int blue;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

Pixel At(const host::Image& image, int x, int y) {
    const std::uint8_t* p = image.GetPixels() + y * image.GetStride() + x * 4;
    return Pixel{p[2], p[1], p[0]};
}

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t BigEndian(const std::vector<unsigned char>& bytes, std::size_t at) {
    return std::uint32_t(bytes[at]) << 24 | std::uint32_t(bytes[at + 1]) << 16 |
           std::uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
}

class Screenshot : public ToolkitTest {};

TEST_F(Screenshot, UpdatesDrawIntoTheItemsExactRectangle) {
    host::ModalDialog dialog(SampleTemplate());
    const std::int16_t userId = dialog.AppendUserItem(100, 125, 40, 30);
    host::UserItem user(dialog, userId);
    Painter painter({200, 10, 30, 255});
    user.Attach(painter);
    ASSERT_TRUE(dialog.BeginModal());
    host::DialogDriver driver(dialog);

    const auto image = driver.Capture();
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->GetWidth(), 300);
    ASSERT_EQ(image->GetHeight(), 200);
    const Pixel red{200, 10, 30};
    for (const auto& [x, y] : {std::pair{100, 125}, {139, 125}, {100, 154}, {139, 154}, {120, 140}}) {
        EXPECT_EQ(At(*image, x, y), red) << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{99, 125}, {140, 125}, {100, 124}, {100, 155}}) {
        EXPECT_NE(At(*image, x, y), red) << x << "," << y;
    }

    // A redraw after a change shows the change.
    painter.colour = {0, 0, 250, 255};
    user.Redraw(true, false);
    EXPECT_EQ(At(*driver.Capture(), 120, 140), (Pixel{0, 0, 250}));
    user.Hide();
    EXPECT_NE(At(*driver.Capture(), 120, 140), (Pixel{0, 0, 250}));
    user.Detach(painter);
}

TEST_F(Screenshot, TemplateItemsAreDrawnWithinTheirRectangles) {
    host::ModalDialog dialog(SampleTemplate());
    ASSERT_TRUE(dialog.BeginModal());
    host::DialogDriver driver(dialog);
    const auto image = driver.Capture();
    ASSERT_NE(image, nullptr);
    const Pixel background = At(*image, 295, 195);
    // The horizontal separator is one line at y = 120 from x = 10 to 289.
    EXPECT_NE(At(*image, 10, 120), background);
    EXPECT_NE(At(*image, 289, 120), background);
    EXPECT_EQ(At(*image, 9, 120), background);
    EXPECT_EQ(At(*image, 290, 120), background);
    EXPECT_EQ(At(*image, 150, 119), background);
    EXPECT_EQ(At(*image, 150, 121), background);
    // Nothing is drawn outside the close button's rectangle around it.
    for (int x = 8; x < 92; ++x) {
        EXPECT_EQ(At(*image, x, 158), background) << x;
        EXPECT_EQ(At(*image, x, 186), background) << x;
    }
    EXPECT_NE(At(*image, 50, 172), background);
}

TEST_F(Screenshot, APngOfTheClientAreaIsWritten) {
    host::ModalDialog dialog(SampleTemplate());
    host::DialogDriver driver(dialog);
    const std::string path =
        (std::filesystem::temp_directory_path() / ("toolkit-shot-" + std::to_string(::getpid()) + ".png"))
            .string();
    EXPECT_FALSE(driver.SaveScreenshot(path)) << "a closed dialog shows nothing";
    ASSERT_TRUE(dialog.BeginModal());
    ASSERT_TRUE(driver.SaveScreenshot(path));
    const auto bytes = ReadFile(path);
    std::remove(path.c_str());
    ASSERT_GT(bytes.size(), 33u);
    const std::vector<unsigned char> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), bytes.begin()));
    EXPECT_EQ(BigEndian(bytes, 16), 300u);
    EXPECT_EQ(BigEndian(bytes, 20), 200u);
    EXPECT_FALSE(driver.SaveScreenshot("/nonexistent-folder/shot.png"));
}

} // namespace
