// The add-on's whole life, two hundred times in one process: loaded, initialised, its dialog
// opened, a textured colour exported, the dialog closed, released and unloaded. Nothing may stay
// behind: the leak checker sees every cycle, and the memory in use stops growing once the
// platform's caches are warm.

#include "FakeHost.h"
#include "LoadedAddOn.h"

#include "host/AlertBox.h"
#include "host/DialogDriver.h"
#include "host/ModalDialog.h"
#include "host/Toolkit.h"
#include "hostapp/ChooserItems.h"
#include "support/CatalogueXml.h"
#include "support/ImageFiles.h"
#include "support/Display.h"
#include "support/MemoryUse.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>

using namespace host::addon;

namespace {

constexpr int Cycles = 200;
constexpr int WarmCycle = 10;
constexpr int HeapWindow = 10;

class AddOnLifecycle : public ::testing::Test {
protected:
    void SetUp() override {
        TN_START_TOOLKIT();
        // A texture of 256 KiB decoded: a catalogue kept from every life would add up to far more
        // than the bound below.
        folder.Write("tex.jpg", testsupport::MakeJpeg(256, 256, {160, 120, 80, 255, 0}));
        folder.Write("colours.xml",
                     testsupport::CatalogueDocument(
                         {testsupport::CatalogueColour("Homlokzat", "Vakolat", "Szilikon", "kapart")
                              .Set("colourName", "Homok")
                              .Set("texture", "tex.jpg")
                              .Set("wheel", "true"),
                          testsupport::CatalogueColour("Homlokzat", "Vakolat", "Szilikon", "kapart")},
                         {testsupport::AuxiliaryColour("Okker", "200", "160", "40")}));
        previousResponder = host::SetAlertResponder([this](const host::AlertRequest&) {
            ++alerts;
            return std::int16_t(1);
        });
    }
    void TearDown() override {
        host::SetDialogOpenedHook({});
        host::SetAlertResponder(previousResponder);
    }

    // One life of the add-on; answers whether the dialog went through the export and closed.
    bool RunOnce() {
        LoadedAddOn addOn(folder.GetPath());
        if (!addOn.IsLoaded() || addOn.HandOver(host.Table().data()) != 0) {
            return false;
        }
        std::array<std::byte, 640> description{};
        addOn.Describe(description.data());
        addOn.RegisterMenu();
        if (addOn.Initialize(&host) != 0 || host.menuHandler == nullptr) {
            return false;
        }
        bool driven = false;
        host::SetDialogOpenedHook([&driven](host::ModalDialog& dialog) {
            host::DialogDriver driver(dialog);
            const auto grid = driver.FindUserItem(chooser::ChipArray);
            driven = grid && driver.ClickElement(*grid, 0) && driver.Click(chooser::AddButton) &&
                     driver.Click(chooser::ExportButton) && driver.Click(chooser::CloseButton);
        });
        const MenuParams params{32500, 1};
        host.menuHandler(&params);
        host::SetDialogOpenedHook({});
        const bool released = addOn.Release() == 0;
        return driven && released && addOn.Unload();
    }

    testsupport::TempFolder folder;
    FakeHost host;
    int alerts = 0;
    host::AlertResponder previousResponder;
};

TEST_F(AddOnLifecycle, TwoHundredLivesLeaveNothingBehind) {
    const auto start = std::chrono::steady_clock::now();
    // The platform's own caches (fonts, the window system's queues) grow and shrink by up to half a
    // MiB as they please, the more the busier the machine; the least heap in a window of cycles at
    // each end sees past the passing part of it. What one life left behind would add up over the
    // cycles between.
    std::size_t warmHeap = SIZE_MAX;
    std::size_t heap = SIZE_MAX;
    std::size_t warmResident = 0;
    for (int cycle = 1; cycle <= Cycles; ++cycle) {
        ASSERT_TRUE(RunOnce()) << "cycle " << cycle;
        if (cycle >= WarmCycle && cycle < WarmCycle + HeapWindow) {
            warmHeap = std::min(warmHeap, testsupport::HeapInUse());
        }
        if (cycle > Cycles - HeapWindow) {
            heap = std::min(heap, testsupport::HeapInUse());
        }
        if (cycle == WarmCycle) {
            warmResident = testsupport::ResidentSize();
        }
    }
    const std::size_t resident = testsupport::ResidentSize();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("least heap in use %zu KiB in cycles %d to %d, %zu KiB in the last %d; resident %zu KiB, "
                "%zu KiB; %.1f s\n",
                warmHeap >> 10, WarmCycle, WarmCycle + HeapWindow - 1, heap >> 10, HeapWindow, warmResident >> 10,
                resident >> 10, seconds);

    EXPECT_EQ(alerts, Cycles);
    EXPECT_EQ(host.createAttributeCalls, Cycles);
    EXPECT_EQ(host.libraryFolders.size(), std::size_t(Cycles)) << "a texture file every cycle";
    // Keeping the catalogue or the dialog of each cycle would break this bound many times over.
    EXPECT_LT(heap, warmHeap + (2u << 20));
    // Under AddressSanitizer freed memory waits in quarantine, resident, up to 256 MiB.
    if (!testsupport::UnderAddressSanitizer) {
        EXPECT_LT(resident, warmResident + (32u << 20));
    }
}

} // namespace
