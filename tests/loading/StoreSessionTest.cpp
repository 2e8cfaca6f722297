// A long session at the store: ten thousand operations and picks in a fixed random order, as a
// person would make them through the dialog, over a catalogue whose every product offers both the
// nearest colours and mixing, with textures. Every colour the store points at stays one the
// catalogue or the store owns, and the memory in use grows only by the colours the session adopts.

#include "catalogue/ColourLab.h"
#include "catalogue/NearestColourSearch.h"
#include "catalogue/TNData.h"
#include "catalogue/TNDataEventObserver.h"
#include "support/MemoryUse.h"
#include "support/StoreLoading.h"
#include "support/TempFolder.h"
#include "tools/catgen/CatalogueGenerator.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

constexpr int Rounds = 200;
constexpr int OperationsPerRound = 50;
constexpr int WarmRound = 10;

// Counts what the store announces, as the dialog's handlers would react to it.
class CountingObserver : public TNDataEventObserver {
public:
    void ModeChanged() override { ++count; }
    void SurfaceChanged() override { ++count; }
    void ProductChanged() override { ++count; }
    void CurrentColourChanged() override { ++count; }
    void ChosenColourChanged(std::uint32_t) override { ++count; }
    void PickedColoursChanged() override { ++count; }
    void SelectedSlotChanged() override { ++count; }
    void ViewModeChanged(bool) override { ++count; }

    long count = 0;
};

template <typename Container> auto Pick(std::mt19937& random, const Container& values) {
    std::uniform_int_distribution<std::size_t> index(0, values.GetSize() - 1);
    return *values.Get(index(random));
}

class StoreSession : public ::testing::Test {
protected:
    void SetUp() override {
        SyntheticOptions options;
        options.colours = 400;
        options.productSize = 20;
        options.surfacesPerMode = 2;
        options.textures = 4;
        options.textureSize = 32;
        options.wheel = true;
        options.mixingBase = true;
        WriteSyntheticCatalogue(folder.GetPath(), options);
        ASSERT_EQ(testsupport::LoadStoreFrom(store, folder, ""), 0);
        store.GetEventSource().Attach(observer);
    }
    void TearDown() override { store.GetEventSource().Detach(observer); }

    // One operation or pick, chosen at random.
    void Step() {
        TNPersistentData& catalogue = *store.GetCatalogue();
        const std::vector<ColorEntity*> colours =
            catalogue.GetColours(store.GetMode(), store.GetSurface(), store.GetProduct(), true);
        std::uniform_int_distribution<int> byte(0, 255);
        const RgbaColour picked{std::uint8_t(byte(random)), std::uint8_t(byte(random)),
                                std::uint8_t(byte(random)), 255, 0};
        switch (std::uniform_int_distribution<int>(0, 11)(random)) {
        case 0:
            store.SelectMode(Pick(random, catalogue.GetModes()));
            break;
        case 1:
            store.SelectSurface(Pick(random, catalogue.GetSurfaces(store.GetMode())));
            break;
        case 2:
        case 3:
            store.SelectProduct(Pick(random, catalogue.GetProducts(store.GetMode(), store.GetSurface())));
            break;
        case 4:
            store.SetCurrentColour(
                colours[std::uniform_int_distribution<std::size_t>(0, colours.size() - 1)(random)]);
            break;
        case 5:
            store.SetChosenColour(std::uniform_int_distribution<std::uint32_t>(0, ChosenColourCount)(random),
                                  byte(random) < 64 ? nullptr : store.GetCurrentColour());
            break;
        case 6:
            store.SetSelectedSlot(std::int16_t(std::uniform_int_distribution<int>(0, 4)(random)));
            break;
        case 7:
            store.ToggleViewMode(true);
            break;
        case 8:
        case 9:
            ProposeNearestColours(store, LabOf(picked));
            break;
        case 10:
            store.MixPickedColour(picked);
            break;
        default:
            if (byte(random) < 32 && store.GetMixedColour() != nullptr) {
                store.AdoptMixedColour();
                ++adopted;
            } else {
                store.NotifyAll();
            }
        }
    }

    // Every colour the store points at is one the catalogue or the store owns.
    void ExpectOwnedColours() const {
        std::set<const ColorEntity*> owned;
        for (const auto& colour : store.GetCatalogue()->colours) {
            owned.insert(colour.get());
        }
        owned.insert(store.GetMixedColour());
        owned.insert(nullptr);
        ASSERT_TRUE(owned.contains(store.GetCurrentColour()));
        for (std::uint32_t i = 0; i < ChosenColourCount; ++i) {
            ASSERT_TRUE(owned.contains(store.GetChosenColour(i))) << "slot " << i;
        }
        for (std::uint32_t i = 0; i < NearestColourCount; ++i) {
            ASSERT_TRUE(owned.contains(store.GetNearestColour(i))) << "nearest " << i;
        }
    }

    testsupport::TempFolder folder;
    TNData store;
    CountingObserver observer;
    std::mt19937 random{20240611};
    int adopted = 0;
};

TEST_F(StoreSession, TenThousandOperationsKeepTheStoreSoundAndTheMemoryFlat) {
    std::size_t warmHeap = 0;
    int warmAdopted = 0;
    for (int round = 1; round <= Rounds; ++round) {
        for (int i = 0; i < OperationsPerRound; ++i) {
            Step();
        }
        ExpectOwnedColours();
        if (HasFatalFailure()) {
            FAIL() << "round " << round;
        }
        if (round == WarmRound) {
            warmHeap = testsupport::HeapInUse();
            warmAdopted = adopted;
        }
    }
    const std::size_t heap = testsupport::HeapInUse();
    std::printf("heap in use %zu KiB at round %d, %zu KiB at round %d; %d colours adopted after round %d\n",
                warmHeap >> 10, WarmRound, heap >> 10, Rounds, adopted - warmAdopted, WarmRound);
    EXPECT_GT(observer.count, Rounds * OperationsPerRound / 2);
    EXPECT_GT(adopted - warmAdopted, 0);
    // Each adopted colour is a record with its own copy of its texture, some 7 KiB; beyond them
    // nothing may accumulate. Keeping each replaced mixed colour would add some 5 MiB.
    EXPECT_LT(heap, warmHeap + std::size_t(adopted - warmAdopted) * (8u << 10) + (64u << 10));
}

} // namespace
