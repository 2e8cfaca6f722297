#include "LoadedAddOn.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace host::addon;

namespace {

template <typename Fn> Fn Lookup(const host::SharedLibrary& library, const char* name) {
    void* address = library.FindExport(name);
    Fn function = nullptr;
    std::memcpy(&function, &address, sizeof function);
    return function;
}

} // namespace

std::filesystem::path LoadedAddOn::BuiltLibrary() {
    return TN_ADDON_LIBRARY;
}

LoadedAddOn::LoadedAddOn(const std::filesystem::path& dataFolder) : path(dataFolder / TN_ADDON_FILE) {
    std::filesystem::copy_file(BuiltLibrary(), path, std::filesystem::copy_options::overwrite_existing);
    std::string error;
    EXPECT_TRUE(library.Load(path.string(), error)) << error;
    if (library.IsLoaded()) {
        getExportedFuncAddrs = Lookup<GetExportedFuncAddrsFn>(library, "GetExportedFuncAddrs");
        setImportedFuncAddrs = Lookup<SetImportedFuncAddrsFn>(library, "SetImportedFuncAddrs");
        EXPECT_NE(getExportedFuncAddrs, nullptr);
        EXPECT_NE(setImportedFuncAddrs, nullptr);
    }
}

LoadedAddOn::~LoadedAddOn() {
    Unload();
}

bool LoadedAddOn::Unload() {
    library.Unload();
    return !host::SharedLibrary::IsLoadedAnywhere(path.string());
}

std::array<std::byte, EntryRecordSize> LoadedAddOn::FetchEntryRecord() const {
    std::array<std::byte, EntryRecordSize> record;
    record.fill(std::byte{0xAB});
    getExportedFuncAddrs(record.data());
    return record;
}

HostResult LoadedAddOn::HandOver(const void* serviceTable) const {
    return setImportedFuncAddrs(serviceTable);
}

template <typename Fn> Fn LoadedAddOn::EntryAt(std::size_t offset) const {
    const auto record = FetchEntryRecord();
    Fn function = nullptr;
    std::memcpy(&function, record.data() + offset, sizeof function);
    return function;
}

HostResult LoadedAddOn::Describe(void* record) const {
    return EntryAt<DescribeAddOnFn>(EntryDescribeOffset)(record);
}

HostResult LoadedAddOn::RegisterMenu() const {
    return EntryAt<RegisterAddOnMenuFn>(EntryRegisterMenuOffset)();
}

HostResult LoadedAddOn::Initialize(void* context) const {
    return EntryAt<InitializeAddOnFn>(EntryInitializeOffset)(context, nullptr);
}

HostResult LoadedAddOn::Release() const {
    return EntryAt<ReleaseAddOnFn>(EntryReleaseOffset)(nullptr);
}
