#pragma once

#include "host/AddOnInterface.h"
#include "host/SharedLibrary.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

// The built add-on library, copied into a data folder of the test's and loaded into the test's
// process as the host would load it.
class LoadedAddOn {
public:
    // Copies the built add-on into `dataFolder` and loads it; the test fails when it cannot.
    explicit LoadedAddOn(const std::filesystem::path& dataFolder);
    ~LoadedAddOn();
    LoadedAddOn(const LoadedAddOn&) = delete;
    LoadedAddOn& operator=(const LoadedAddOn&) = delete;

    static std::filesystem::path BuiltLibrary();

    const std::filesystem::path& GetPath() const { return path; }
    bool IsLoaded() const { return library.IsLoaded(); }
    // Unloads the library; answers whether it is gone from the process afterwards.
    bool Unload();

    std::array<std::byte, host::addon::EntryRecordSize> FetchEntryRecord() const;
    host::addon::HostResult HandOver(const void* serviceTable) const;

    // The entry points from the record.
    host::addon::HostResult Describe(void* record) const;
    host::addon::HostResult RegisterMenu() const;
    host::addon::HostResult Initialize(void* context) const;
    host::addon::HostResult Release() const;

private:
    template <typename Fn> Fn EntryAt(std::size_t offset) const;

    std::filesystem::path path;
    host::SharedLibrary library;
    host::addon::GetExportedFuncAddrsFn getExportedFuncAddrs = nullptr;
    host::addon::SetImportedFuncAddrsFn setImportedFuncAddrs = nullptr;
};
