// The add-on library as the host meets it: its exports, entry-point record, entry points and their
// order, and what loading and unloading it does.

#include "FakeHost.h"
#include "LoadedAddOn.h"

#include "host/DebugOutput.h"
#include "host/Resources.h"
#include "support/CatalogueXml.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstring>
#include <set>

using namespace host::addon;

namespace {

template <typename Value> Value ReadAt(const std::byte* bytes, std::size_t offset) {
    Value value{};
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

std::string CatalogueWithOneColour() {
    return testsupport::CatalogueDocument(
        {testsupport::CatalogueColour("Homlokzat", "Vakolat", "Festék", "matt")});
}

// Collects the debug output for the lifetime of the object.
class DebugCapture {
public:
    DebugCapture() {
        previous = host::SetDebugOutputSink([this](std::string_view text) { output.append(text); });
    }
    ~DebugCapture() { host::SetDebugOutputSink(std::move(previous)); }
    std::string output;

private:
    host::DebugOutputSink previous;
};

class AddOnLibraryTest : public ::testing::Test {
protected:
    testsupport::TempFolder folder;
    FakeHost host;
};

TEST_F(AddOnLibraryTest, EntryRecordHoldsVersionEntryPointsAndLevelAndZerosElsewhere) {
    LoadedAddOn addOn(folder.GetPath());
    const auto record = addOn.FetchEntryRecord();
    EXPECT_EQ(ReadAt<std::uint32_t>(record.data(), EntryVersionOffset), InterfaceVersion);
    EXPECT_EQ(ReadAt<std::uint32_t>(record.data(), EntryLevelOffset), InterfaceLevel);
    std::set<const void*> entryPoints;
    for (std::size_t offset = EntryDescribeOffset; offset <= EntryReleaseOffset; offset += 8) {
        entryPoints.insert(ReadAt<const void*>(record.data(), offset));
    }
    EXPECT_EQ(entryPoints.size(), 4u);
    EXPECT_FALSE(entryPoints.contains(nullptr));
    for (std::size_t offset : {4, 5, 6, 7}) {
        EXPECT_EQ(record[offset], std::byte{0}) << "byte " << offset;
    }
    for (std::size_t offset = 44; offset < EntryRecordSize; ++offset) {
        EXPECT_EQ(record[offset], std::byte{0}) << "byte " << offset;
    }
}

TEST_F(AddOnLibraryTest, EntryPointsDoNothingBeforeTheServiceTable) {
    folder.Write("colours.xml", CatalogueWithOneColour());
    DebugCapture debug;
    LoadedAddOn addOn(folder.GetPath());
    std::array<std::byte, DescriptionRecordSize> description;
    description.fill(std::byte{0xCD});

    EXPECT_EQ(addOn.Describe(description.data()), 0);
    EXPECT_EQ(addOn.RegisterMenu(), ErrNotInitialized);
    EXPECT_EQ(addOn.Initialize(&host), ErrNotInitialized);
    EXPECT_EQ(addOn.Release(), ErrNotInitialized);
    EXPECT_EQ(addOn.HandOver(nullptr), ErrNotInitialized);
    EXPECT_EQ(addOn.Initialize(&host), ErrNotInitialized);

    for (const std::byte b : description) {
        ASSERT_EQ(b, std::byte{0xCD});
    }
    EXPECT_EQ(host.registerMenuCalls, 0);
    EXPECT_EQ(host.menuHandler, nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder.GetPath() / "Tarnova anyagok"));
    // No host context was kept, so unloading is no abnormal termination.
    EXPECT_TRUE(addOn.Unload());
    EXPECT_EQ(debug.output, "");
}

TEST_F(AddOnLibraryTest, DescribeAddOnReadsItsOwnResourcesAndRestoresTheActiveModule) {
    LoadedAddOn addOn(folder.GetPath());
    ASSERT_EQ(addOn.HandOver(host.Table().data()), 0);
    std::array<std::byte, DescriptionRecordSize> description;
    description.fill(std::byte{0xCD});
    const host::ResourceModule before = host::UseResourceModule(host::NoResourceModule);

    EXPECT_EQ(addOn.Describe(description.data()), 2);

    EXPECT_EQ(host::GetActiveResourceModule(), host::NoResourceModule);
    host::UseResourceModule(before);
    EXPECT_STREQ(reinterpret_cast<const char*>(description.data() + DescriptionNameOffset),
                 "Tarnova Tintbook for Corvenna");
    EXPECT_STREQ(reinterpret_cast<const char*>(description.data() + DescriptionTextOffset),
                 "Tarnova Tintbook for Corvenna.");
    for (std::size_t i = 0; i < DescriptionNameOffset; ++i) {
        ASSERT_EQ(description[i], std::byte{0xCD}) << "byte " << i;
    }
}

TEST_F(AddOnLibraryTest, RegisterAddOnMenuAnswersWhatTheHostAnswers) {
    host.answers.registerMenu = 0x0BAD;
    LoadedAddOn addOn(folder.GetPath());
    ASSERT_EQ(addOn.HandOver(host.Table().data()), 0);

    EXPECT_EQ(addOn.RegisterMenu(), 0x0BAD);
    ASSERT_EQ(host.menuRecord.size(), MenuRecordSize);
    EXPECT_EQ(ReadAt<std::int16_t>(host.menuRecord.data(), 0), 32500);
    EXPECT_EQ(ReadAt<std::int16_t>(host.menuRecord.data(), 2), 32520);
    for (std::size_t i = 4; i < MenuRecordSize; ++i) {
        EXPECT_EQ(host.menuRecord[i], std::byte{0}) << "byte " << i;
    }
}

struct InitializeCase {
    const char* what;
    bool withCatalogue;
    bool emptyTable;
    HostResult installAnswer;
    HostResult subscribeAnswer;
    HostResult expected;
};

void PrintTo(const InitializeCase& c, std::ostream* out) {
    *out << c.what;
}

class InitializeAddOnTest : public AddOnLibraryTest, public ::testing::WithParamInterface<InitializeCase> {};

TEST_P(InitializeAddOnTest, AnswersBothHostResultsOredTogether) {
    const InitializeCase& c = GetParam();
    if (c.withCatalogue) {
        folder.Write("colours.xml", CatalogueWithOneColour());
    }
    host.answers.installMenuHandler = c.installAnswer;
    host.answers.subscribe = c.subscribeAnswer;
    LoadedAddOn addOn(folder.GetPath());
    ASSERT_EQ(addOn.HandOver(c.emptyTable ? FakeHost::EmptyTable().data() : host.Table().data()), 0);

    EXPECT_EQ(addOn.Initialize(&host), c.expected);
    EXPECT_EQ(addOn.Release(), 0);

    // The data folder is the library's own: loading made the texture folder there.
    EXPECT_TRUE(std::filesystem::is_directory(folder.GetPath() / "Tarnova anyagok"));
    if (!c.emptyTable) {
        EXPECT_EQ(host.menuContext, &host);
        EXPECT_EQ(host.menuId, 32500);
        EXPECT_NE(host.menuHandler, nullptr);
        EXPECT_EQ(host.notificationContext, &host);
        EXPECT_EQ(host.notificationMask, 0xFFFFFFFFu);
        ASSERT_NE(host.notificationHandler, nullptr);
        EXPECT_EQ(host.notificationHandler(1, 0), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InitializeAddOnTest,
    ::testing::Values(InitializeCase{"Success", true, false, 0, 0, 0},
                      InitializeCase{"NoCatalogue", false, false, 0, 0, 0},
                      InitializeCase{"HostFailures", true, false, 0x0100, 0x0011, 0x0111},
                      InitializeCase{"NoCatalogueAndHostFailures", false, false, 0x0002, 0x0400, 0x0402},
                      InitializeCase{"EmptySlots", true, true, 0, 0, ErrMissingService}),
    [](const ::testing::TestParamInfo<InitializeCase>& info) { return info.param.what; });

TEST_F(AddOnLibraryTest, MenuHandlerAnswersZeroForOtherMenusAndNullRecords) {
    folder.Write("colours.xml", CatalogueWithOneColour());
    LoadedAddOn addOn(folder.GetPath());
    ASSERT_EQ(addOn.HandOver(host.Table().data()), 0);
    ASSERT_EQ(addOn.Initialize(&host), 0);
    ASSERT_NE(host.menuHandler, nullptr);

    const MenuParams other{32501, 1};
    EXPECT_EQ(host.menuHandler(&other), 0);
    EXPECT_EQ(host.menuHandler(nullptr), 0);
    EXPECT_TRUE(host.libraryFolders.empty());
    EXPECT_EQ(addOn.Release(), 0);
}

struct UnloadCase {
    const char* what;
    bool initialize;
    bool release;
    bool abnormal;
};

void PrintTo(const UnloadCase& c, std::ostream* out) {
    *out << c.what;
}

class UnloadTest : public AddOnLibraryTest, public ::testing::WithParamInterface<UnloadCase> {};

TEST_P(UnloadTest, AbnormalTerminationIsReportedOnceWhenNotReleased) {
    const UnloadCase& c = GetParam();
    folder.Write("colours.xml", CatalogueWithOneColour());
    DebugCapture debug;
    {
        LoadedAddOn addOn(folder.GetPath());
        ASSERT_EQ(addOn.HandOver(host.Table().data()), 0);
        if (c.initialize) {
            ASSERT_EQ(addOn.Initialize(&host), 0);
        }
        if (c.release) {
            ASSERT_EQ(addOn.Release(), 0);
        }
        EXPECT_TRUE(addOn.Unload());
    }
    const std::string path = (folder.GetPath() / TN_ADDON_FILE).string();
    EXPECT_EQ(debug.output, c.abnormal ? "Abnormal add-on termination (\"" + path + "\")\n" : "");
}

INSTANTIATE_TEST_SUITE_P(Cases, UnloadTest,
                         ::testing::Values(UnloadCase{"InitializedNotReleased", true, false, true},
                                           UnloadCase{"Released", true, true, false},
                                           UnloadCase{"NeverInitialized", false, false, false},
                                           UnloadCase{"ReleasedWithoutInitialize", false, true, false}),
                         [](const ::testing::TestParamInfo<UnloadCase>& info) { return info.param.what; });

TEST_F(AddOnLibraryTest, LoadsAndUnloadsRepeatedlyWithFreshState) {
    folder.Write("colours.xml", CatalogueWithOneColour());
    DebugCapture debug;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        LoadedAddOn addOn(folder.GetPath());
        // Every load starts without a service table, whatever the load before had.
        EXPECT_EQ(addOn.RegisterMenu(), ErrNotInitialized);
        ASSERT_EQ(addOn.HandOver(host.Table().data()), 0);
        EXPECT_EQ(addOn.RegisterMenu(), 0);
        EXPECT_EQ(addOn.Initialize(&host), 0);
        if (round != 1) {
            EXPECT_EQ(addOn.Release(), 0);
        }
        EXPECT_TRUE(addOn.Unload()) << "the library stays in the process after unloading";
    }
    EXPECT_EQ(debug.output,
              "Abnormal add-on termination (\"" + (folder.GetPath() / TN_ADDON_FILE).string() + "\")\n");
}

} // namespace
