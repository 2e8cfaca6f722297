#include "ToolkitTest.h"

#include <filesystem>
#include <set>

#include "host/CodePage.h"
#include "host/DialogDriver.h"
#include "host/Image.h"
#include "host/MemoryHandle.h"
#include "host/ModalDialog.h"
#include "host/ResourceTypes.h"

namespace {

using namespace toolkit_test;

constexpr std::int16_t chooserDialogId = 31600;

// The add-on's resources, linked into this test program, as the active resource module.
class ResourceDialog : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        module = host::RegisterResourceModule(nullptr);
        if (module == host::NoResourceModule) {
            GTEST_SKIP() << "the add-on's resources are not linked into this test program";
        }
        previous = host::UseResourceModule(module);
        host::MemHandle handle = host::LoadResource(host::DialogTemplateResource, chooserDialogId);
        ASSERT_NE(handle, nullptr);
        parsed = host::DialogTemplate::Parse(
            reinterpret_cast<const std::uint8_t*>(host::GetHandleData(handle)), host::GetHandleSize(handle));
        host::DisposeHandle(handle);
        ASSERT_TRUE(parsed.has_value());
    }

    void TearDown() override {
        if (module != host::NoResourceModule) {
            host::UseResourceModule(previous);
            host::RemoveResourceModule(module);
        }
    }

    host::ResourceModule module = host::NoResourceModule;
    host::ResourceModule previous = host::NoResourceModule;
    std::optional<host::DialogTemplate> parsed;
};

// How many different colours the image shows inside a rectangle.
std::size_t ColourCount(const host::Image& image, const host::Rect& rect) {
    std::set<std::uint32_t> colours;
    for (int y = rect.GetTop(); y < rect.GetBottom(); ++y) {
        for (int x = rect.GetLeft(); x < rect.GetRight(); ++x) {
            const std::uint8_t* p = image.GetPixels() + y * image.GetStride() + x * 4;
            colours.insert(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16);
        }
    }
    return colours.size();
}

TEST_F(ResourceDialog, TheChooserDialogShowsItsTemplate) {
    host::ModalDialog dialog(chooserDialogId);
    ASSERT_TRUE(dialog.IsValid());
    host::DialogDriver driver(dialog);
    const host::DialogState state = driver.GetState();
    EXPECT_EQ(state.title, "Tarnova Színválasztó");
    EXPECT_EQ(state.width, 366);
    EXPECT_EQ(state.height, 723);
    ASSERT_EQ(state.items.size(), parsed->items.size());
    for (std::size_t i = 0; i < state.items.size(); ++i) {
        const host::DialogTemplateItem& item = parsed->items[i];
        const host::ItemState& shown = state.items[i];
        const bool popUp = item.kind == host::DialogItemKind::PopUp;
        EXPECT_EQ(shown.id, item.id);
        EXPECT_EQ(shown.kind, std::int16_t(item.kind));
        EXPECT_EQ(shown.rect, host::Rect(item.left, item.top, item.left + item.width,
                                         item.top + (popUp ? host::PopUp::ClosedHeight : item.height)))
            << item.id;
        if (item.kind == host::DialogItemKind::PushButton || item.kind == host::DialogItemKind::PushCheck ||
            item.kind == host::DialogItemKind::LeftText) {
            EXPECT_EQ(shown.text, host::ToUtf8(item.text, host::CodePage::CentralEuropean)) << item.id;
        }
        EXPECT_TRUE(shown.visible);
    }
    EXPECT_EQ(host::PushButton(dialog, 1).GetText(), "Bezár");
    EXPECT_EQ(host::PushCheck(dialog, 7).GetText(), "Választható színminták");
    EXPECT_EQ(host::PushButton(dialog, 12).GetText(), "A kiválasztott szín hozzáadása a listához");

    ASSERT_TRUE(dialog.BeginModal());
    const auto image = driver.Capture();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), 366);
    EXPECT_EQ(image->GetHeight(), 723);
    EXPECT_GT(ColourCount(*image, host::Rect(5, 14, 360, 88)), 50u) << "the banner is shown";
    EXPECT_GT(ColourCount(*image, host::Rect(284, 638, 348, 702)), 10u) << "the logo icon is shown";

    const std::string path = std::string(TN_BINARY_DIR) + "/tests/dialog-31600.png";
    ASSERT_TRUE(driver.SaveScreenshot(path));
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
}

TEST_F(ResourceDialog, AMissingTemplateGivesAnInvalidDialog) {
    host::ModalDialog dialog(std::int16_t(chooserDialogId + 1));
    EXPECT_FALSE(dialog.IsValid());
    EXPECT_FALSE(dialog.Invoke());
}

} // namespace
