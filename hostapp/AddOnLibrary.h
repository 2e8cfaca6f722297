#pragma once

#include "host/AddOnInterface.h"
#include "host/SharedLibrary.h"

#include <string>

// The four entry points of an add-on, read from its entry-point record.
struct AddOnEntryPoints {
    host::addon::DescribeAddOnFn describe = nullptr;
    host::addon::RegisterAddOnMenuFn registerMenu = nullptr;
    host::addon::InitializeAddOnFn initialize = nullptr;
    host::addon::ReleaseAddOnFn release = nullptr;
};

// An add-on library loaded into the host's process, with its two exports.
class AddOnLibrary {
public:
    AddOnLibrary() = default;
    AddOnLibrary(const AddOnLibrary&) = delete;
    AddOnLibrary& operator=(const AddOnLibrary&) = delete;
    ~AddOnLibrary() { Unload(); }

    // Loads the library at `path` and finds its exports. False, with the reason in `error`, when
    // the file cannot be loaded or is no add-on; nothing stays loaded then.
    bool Load(const std::string& path, std::string& error);
    void Unload();
    bool IsLoaded() const { return library.IsLoaded(); }

    // Fetches the entry-point record. False, with the reason in `error`, when the record is not of
    // this host's interface version or lacks an entry point.
    bool FetchEntryPoints(AddOnEntryPoints& entryPoints, std::string& error) const;
    host::addon::HostResult HandOverServices(const void* serviceTable) const;
    // An address inside the loaded library, by which the platform knows the module.
    const void* GetInstance() const { return reinterpret_cast<const void*>(getExportedFuncAddrs); }

private:
    host::SharedLibrary library;
    host::addon::GetExportedFuncAddrsFn getExportedFuncAddrs = nullptr;
    host::addon::SetImportedFuncAddrsFn setImportedFuncAddrs = nullptr;
};
