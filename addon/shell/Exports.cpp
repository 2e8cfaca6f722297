#include "addon/shell/Exports.h"

#include "addon/HostServices.h"
#include "addon/shell/EntryPoints.h"

#include <cstring>

using namespace host::addon;

namespace {

template <typename Value> void Put(std::byte* record, std::size_t offset, Value value) {
    std::memcpy(record + offset, &value, sizeof value);
}

} // namespace

void GetExportedFuncAddrs(void* entryRecord) {
    if (entryRecord == nullptr) {
        return;
    }
    auto* record = static_cast<std::byte*>(entryRecord);
    std::memset(record, 0, EntryRecordSize);
    Put(record, EntryVersionOffset, InterfaceVersion);
    Put<DescribeAddOnFn>(record, EntryDescribeOffset, DescribeAddOn);
    Put<RegisterAddOnMenuFn>(record, EntryRegisterMenuOffset, RegisterAddOnMenu);
    Put<InitializeAddOnFn>(record, EntryInitializeOffset, InitializeAddOn);
    Put<ReleaseAddOnFn>(record, EntryReleaseOffset, ReleaseAddOn);
    Put(record, EntryLevelOffset, InterfaceLevel);
}

HostResult SetImportedFuncAddrs(const void* serviceTable) {
    if (serviceTable == nullptr) {
        return ErrNotInitialized;
    }
    AdoptHostServiceTable(serviceTable);
    return 0;
}
