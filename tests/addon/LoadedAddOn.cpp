#include "LoadedAddOn.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dlfcn.h>

using namespace host::addon;

namespace {

template <typename Fn> Fn Lookup(void* handle, const char* name) {
    void* address = ::dlsym(handle, name);
    Fn function = nullptr;
    std::memcpy(&function, &address, sizeof function);
    return function;
}

} // namespace

std::filesystem::path LoadedAddOn::BuiltLibrary() {
    return std::filesystem::path(TN_BINARY_DIR) / "addon" / TN_ADDON_FILE;
}

LoadedAddOn::LoadedAddOn(const std::filesystem::path& dataFolder) : path(dataFolder / TN_ADDON_FILE) {
    std::filesystem::copy_file(BuiltLibrary(), path, std::filesystem::copy_options::overwrite_existing);
    handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    EXPECT_NE(handle, nullptr) << ::dlerror();
    if (handle != nullptr) {
        getExportedFuncAddrs = Lookup<GetExportedFuncAddrsFn>(handle, "GetExportedFuncAddrs");
        setImportedFuncAddrs = Lookup<SetImportedFuncAddrsFn>(handle, "SetImportedFuncAddrs");
        EXPECT_NE(getExportedFuncAddrs, nullptr);
        EXPECT_NE(setImportedFuncAddrs, nullptr);
    }
}

LoadedAddOn::~LoadedAddOn() {
    Unload();
}

bool LoadedAddOn::Unload() {
    if (handle != nullptr) {
        ::dlclose(handle);
        handle = nullptr;
    }
    void* stillThere = ::dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (stillThere != nullptr) {
        ::dlclose(stillThere);
    }
    return stillThere == nullptr;
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
