#pragma once

#include "host/FileLocation.h"
#include "host/Result.h"

namespace host {

// Makes sure a folder stands at `location`, creating it when missing (its enclosing folder must
// exist). FileErrNotFolder when something other than a folder is there.
Result CreateFolderWhenMissing(const FileLocation& location);

} // namespace host
