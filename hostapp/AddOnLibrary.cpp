#include "hostapp/AddOnLibrary.h"

#include <array>
#include <cstring>

using namespace host::addon;

namespace {

template <typename Fn> Fn FindExport(const host::SharedLibrary& library, const char* name) {
    void* address = library.FindExport(name);
    Fn function = nullptr;
    static_assert(sizeof function == sizeof address);
    std::memcpy(&function, &address, sizeof function);
    return function;
}

template <typename Value>
Value Read(const std::array<std::byte, EntryRecordSize>& record, std::size_t offset) {
    Value value{};
    std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
}

} // namespace

bool AddOnLibrary::Load(const std::string& path, std::string& error) {
    Unload();
    if (!library.Load(path, error)) {
        return false;
    }
    getExportedFuncAddrs = FindExport<GetExportedFuncAddrsFn>(library, "GetExportedFuncAddrs");
    setImportedFuncAddrs = FindExport<SetImportedFuncAddrsFn>(library, "SetImportedFuncAddrs");
    if (getExportedFuncAddrs == nullptr || setImportedFuncAddrs == nullptr) {
        error = path + " is no add-on: it does not export GetExportedFuncAddrs and SetImportedFuncAddrs";
        Unload();
        return false;
    }
    return true;
}

void AddOnLibrary::Unload() {
    library.Unload();
    getExportedFuncAddrs = nullptr;
    setImportedFuncAddrs = nullptr;
}

bool AddOnLibrary::FetchEntryPoints(AddOnEntryPoints& entryPoints, std::string& error) const {
    if (getExportedFuncAddrs == nullptr) {
        error = "no add-on is loaded";
        return false;
    }
    std::array<std::byte, EntryRecordSize> record{};
    getExportedFuncAddrs(record.data());
    if (Read<std::uint32_t>(record, EntryVersionOffset) != InterfaceVersion) {
        error = "the add-on is written for another version of the add-on interface";
        return false;
    }
    entryPoints.describe = Read<DescribeAddOnFn>(record, EntryDescribeOffset);
    entryPoints.registerMenu = Read<RegisterAddOnMenuFn>(record, EntryRegisterMenuOffset);
    entryPoints.initialize = Read<InitializeAddOnFn>(record, EntryInitializeOffset);
    entryPoints.release = Read<ReleaseAddOnFn>(record, EntryReleaseOffset);
    if (!entryPoints.describe || !entryPoints.registerMenu || !entryPoints.initialize ||
        !entryPoints.release) {
        error = "the add-on's entry-point record lacks an entry point";
        return false;
    }
    return true;
}

HostResult AddOnLibrary::HandOverServices(const void* serviceTable) const {
    return setImportedFuncAddrs != nullptr ? setImportedFuncAddrs(serviceTable) : ErrNotInitialized;
}
