// The add-on library exports the two exchange functions and nothing else, as the export
// directory of the loaded module says.

#include "LoadedAddOn.h"

#include "support/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(AddOnExportsTest, OnlyTheTwoExchangeFunctionsAreExported) {
    const testsupport::TempFolder folder;
    const LoadedAddOn addOn(folder.GetPath());
    ASSERT_TRUE(addOn.IsLoaded());
    const auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleW(addOn.GetPath().c_str()));
    ASSERT_NE(base, nullptr);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
    ASSERT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    ASSERT_NE(entry.VirtualAddress, 0u);
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    EXPECT_EQ(exports->NumberOfFunctions, 2u) << "ordinal-only exports count too";
    const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    std::set<std::string> exported;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        exported.insert(reinterpret_cast<const char*>(base + names[i]));
    }
    EXPECT_EQ(exported, (std::set<std::string>{"GetExportedFuncAddrs", "SetImportedFuncAddrs"}));
}

} // namespace
