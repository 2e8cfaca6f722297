#pragma once

#include "host/Result.h"
#include "support/TempFolder.h"

#include <string>

class TNData;

namespace testsupport {

// Makes `folder` the add-on's data folder (as if the library file lay in it), writes
// `catalogueXml` there as colours.xml unless it is empty, and runs the store's loading sequence.
host::Result LoadStoreFrom(TNData& store, const TempFolder& folder, const std::string& catalogueXml);

} // namespace testsupport
