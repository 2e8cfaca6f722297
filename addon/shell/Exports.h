#pragma once

// The add-on library's only two exported functions: the C boundary through which the host and the
// add-on exchange function tables. Both run on the host's user-interface thread, before any entry
// point, and throw nothing.

#include "host/AddOnInterface.h"

// TN_EXPORT marks the two as exported, as the build defines it for the platform.

extern "C" {

// Fills the 120-byte entry-point record at `entryRecord` (owned by the host): zero-filled, then the
// interface version, the four entry points and the interface level. Works whether or not the
// service table has arrived; a null record is left alone.
TN_EXPORT void GetExportedFuncAddrs(void* entryRecord);

// Copies the host's 2752-byte service table (owned by the host, read only during the call) and
// answers 0. From then on the entry points work. A null table is refused with ErrNotInitialized and
// leaves the add-on waiting for one.
TN_EXPORT host::addon::HostResult SetImportedFuncAddrs(const void* serviceTable);
}
